#!/bin/sh
# Draws Segmo's icons and pictures as simple SVG files into resources/: one
# visual language (rounded tile, one glyph) so that they stay consistent.
# Run it after changing a glyph; the SVG files are kept in the repository.
set -eu
cd "$(dirname "$0")/../resources"

tile() { # name colour glyph-svg
    cat > "images/$1.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect x="1.5" y="1.5" width="29" height="29" rx="6" fill="$2" stroke="#1f2d3d" stroke-width="1"/>
  <g fill="none" stroke="#ffffff" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round">$3</g>
</svg>
SVG
}

tile png_file_new "#3b82c4" '<path d="M10 7h9l4 4v14H10z"/><path d="M16 13v8M12 17h8"/>'
tile png_file_open "#3b82c4" '<path d="M7 10h7l2 2h9v12H7z"/>'
tile png_file_save "#3b82c4" '<path d="M8 8h13l3 3v13H8z"/><path d="M12 8v5h8V8M12 24v-6h8v6"/>'
tile png_file_copy "#3b82c4" '<path d="M11 11h11v13H11z"/><path d="M8 20V7h11"/>'
tile file_close "#c4473b" '<path d="M11 11l10 10M21 11L11 21"/>'
tile png_file_new_frame "#2f9e6b" '<rect x="7" y="9" width="18" height="14" rx="2"/><path d="M16 12v8M12 16h8"/>'
tile png_file_delete "#c4473b" '<rect x="7" y="9" width="18" height="14" rx="2"/><path d="M12 16h8"/>'
tile png_file_move_top_one "#2f9e6b" '<path d="M16 23V10M10 15l6-6 6 6"/>'
tile png_file_move_down_one "#2f9e6b" '<path d="M16 9v13M10 17l6 6 6-6"/>'
tile png_file_move_top_all "#2f9e6b" '<path d="M9 8h14M16 25V13M10 18l6-6 6 6"/>'
tile png_file_move_down_all "#2f9e6b" '<path d="M9 24h14M16 7v12M10 14l6 6 6-6"/>'
tile file_down "#d08a1e" '<path d="M16 7v13M10 15l6 6 6-6M8 25h16"/>'
tile file_upload "#d08a1e" '<path d="M16 21V8M10 13l6-6 6 6M8 25h16"/>'
tile file_zip "#d08a1e" '<rect x="9" y="7" width="14" height="18" rx="2"/><path d="M16 7v4M16 13v2M16 17v2"/>'
tile file_install "#7a5cc4" '<path d="M16 7v10M11 12l5 5 5-5"/><path d="M8 20v4h16v-4"/>'
tile file_mon_offline "#7a5cc4" '<rect x="6" y="8" width="20" height="13" rx="2"/><path d="M12 25h8M16 21v4"/>'
tile png_file_project "#4a6a8a" '<rect x="7" y="7" width="18" height="18" rx="2"/><path d="M11 12h10M11 16h10M11 20h6"/>'
tile file_serial "#4a6a8a" '<path d="M8 12h16l-2 8H10z"/><path d="M12 16h.1M16 16h.1M20 16h.1"/>'
tile file_setting "#4a6a8a" '<circle cx="16" cy="16" r="4"/><path d="M16 6v3M16 23v3M6 16h3M23 16h3M9 9l2 2M21 21l2 2M23 9l-2 2M9 23l2-2"/>'
tile file_num_text "#4a6a8a" '<path d="M8 11h6M11 11v10M17 21l3-10 3 10M18 18h4"/>'
tile file_bookmark "#5a6b7b" '<path d="M10 7h12v18l-6-4-6 4z"/>'
tile png_file_redo "#5a6b7b" '<path d="M22 12a7 7 0 1 0 1 7"/><path d="M22 6v6h-6"/>'
tile png_file_zoom_handle "#5a6b7b" '<circle cx="16" cy="12" r="2"/><path d="M16 16v8"/>'
tile png_file_arrow "#5a6b7b" '<path d="M9 16h14M18 11l5 5-5 5"/>'

cat > bitmap/ico_led.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <rect x="3" y="10" width="58" height="44" rx="8" fill="#1f2d3d"/>
  <g fill="#ff4b3a"><rect x="12" y="22" width="8" height="20" rx="2"/><rect x="28" y="22" width="8" height="20" rx="2"/><rect x="44" y="22" width="8" height="20" rx="2"/></g>
</svg>
SVG
cat > bitmap/png_port_success.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
  <circle cx="8" cy="8" r="7" fill="#2f9e6b"/>
  <path d="M4.5 8.2l2.3 2.3 4.7-4.8" fill="none" stroke="#ffffff" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
SVG
cat > bitmap/png_port_failed.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">
  <circle cx="8" cy="8" r="7" fill="#c4473b"/>
  <path d="M5.3 5.3l5.4 5.4M10.7 5.3l-5.4 5.4" fill="none" stroke="#ffffff" stroke-width="1.8" stroke-linecap="round"/>
</svg>
SVG
cat > bitmap/png_background.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="640" height="120" viewBox="0 0 640 120">
  <rect width="640" height="120" rx="14" fill="#1f2d3d"/>
  <rect x="24" y="24" width="592" height="72" rx="8" fill="#0b0f14"/>
  <g fill="#ff4b3a" opacity="0.85"><circle cx="60" cy="108" r="4"/><circle cx="90" cy="108" r="4"/><circle cx="120" cy="108" r="4"/></g>
</svg>
SVG
cat > bitmap/png_property.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="360" height="240" viewBox="0 0 360 240">
  <rect x="20" y="40" width="320" height="160" rx="16" fill="#1f2d3d"/>
  <rect x="44" y="64" width="272" height="60" rx="6" fill="#0b0f14"/>
  <g fill="#ff4b3a"><rect x="60" y="74" width="24" height="40" rx="3"/><rect x="96" y="74" width="24" height="40" rx="3"/><rect x="132" y="74" width="24" height="40" rx="3"/><rect x="168" y="74" width="24" height="40" rx="3"/></g>
  <g fill="#3b82c4"><rect x="44" y="144" width="40" height="28" rx="5"/><rect x="96" y="144" width="40" height="28" rx="5"/><rect x="148" y="144" width="40" height="28" rx="5"/><rect x="200" y="144" width="40" height="28" rx="5"/></g>
</svg>
SVG
# The I/O check help: the panel's rear terminals, inputs lit green while
# their switch closes, outputs lit red while driven, and the two key steps.
{
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="494" height="555" viewBox="0 0 494 555">'
    echo '  <rect width="494" height="555" fill="#f4f6f8"/>'
    echo '  <rect x="47" y="40" width="400" height="250" rx="18" fill="#1f2d3d"/>'
    echo '  <rect x="77" y="70" width="340" height="80" rx="8" fill="#0b0f14"/>'
    echo '  <g fill="#ff4b3a"><rect x="97" y="84" width="30" height="52" rx="4"/><rect x="145" y="84" width="30" height="52" rx="4"/><rect x="193" y="84" width="30" height="52" rx="4"/><rect x="241" y="84" width="30" height="52" rx="4"/></g>'
    for i in 0 1 2 3 4 5 6 7; do
        x=$((92 + i * 42))
        echo "  <circle cx=\"$x\" cy=\"190\" r=\"11\" fill=\"#2f9e6b\"/>"
        echo "  <circle cx=\"$x\" cy=\"250\" r=\"11\" fill=\"#c4473b\"/>"
    done
    echo '  <g fill="#ffffff" font-family="sans-serif" font-size="16" font-weight="bold"><text x="60" y="176">X</text><text x="60" y="236">Y</text></g>'
    echo '  <g fill="#1f2d3d" font-family="sans-serif" font-size="20">'
    echo '    <text x="47" y="350">1. X0 - X7: input on, lamp green</text>'
    echo '    <text x="47" y="390">2. Y0 - Y7: output on, lamp red</text>'
    echo '    <text x="47" y="430">3. Keys: hold SET + ▲ for 3 s</text>'
    echo '    <text x="47" y="470">4. Release, then press each key</text>'
    echo '  </g>'
    echo '</svg>'
} > bitmap/png_io_check.svg
