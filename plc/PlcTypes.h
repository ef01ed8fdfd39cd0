#pragma once

// Enumerations of the PLC catalogue file. Attribute text must match an
// enumerator name exactly; anything else reads as 0.
enum AddrType
{
    AT_NONE = 0,
    AT_BIT = 1,
    AT_WORD = 2,
    AT_BITWORD = 4
};
enum MemType
{
    MT_NONE = 0,
    MT_READ = 1,
    MT_WRITE = 2,
    MT_ALL = 4
};
enum AddrExplain
{
    AE_NONE = 0,
    AE_DEC = 1,
    AE_OCT = 2,
    AE_HEX = 3,
    AE_DEC_DEC = 4,
    AE_DEC_OCT = 5,
    AE_DECT_HEX = 6
};
enum ValueType
{
    VT_NONE = 0,
    VT_DEC = 1,
    VT_OCT = 2,
    VT_HEX = 3
};
