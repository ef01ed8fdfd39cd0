#pragma once

// Registers the built-in translation catalogues (":/language/lang_en" and
// ":/language/lang_ch"); a program calls it once before loading them.
void initTranslationResources();
