#pragma once
// The device's variable table: what every other part of the program knows
// about the device. The row order is the variable number and is part of the
// protocol contract: never reorder, insert or remove rows.
//
// Each row: name, array size, setting index variable, status array size,
// status index variable, minimum, maximum, default, send mnemonic, reply
// mnemonic. Scalars have array size 1 and no index variables (NoVar, -1).

#include <cstdint>

// clang-format off
#define MORLIX_VARIABLE_TABLE(X) \
    X(DIESE,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "#",    "#")  \
    X(ADDRDBG,                   1, NoVar,        -1, NoVar,              0,     65535, 0,     "@",    "ADBG")  \
    X(DATADBG,                   1, NoVar,        -1, NoVar,              0,     65535, 0,     ">",    "DDBG")  \
    X(STBDBG,                    1, NoVar,        -1, NoVar,              0,     65535, 0,     "+",    "+")  \
    X(RSBDBG,                    1, NoVar,        -1, NoVar,              0,     65535, 0,     "-",    "-")  \
    X(NTBDBG,                    1, NoVar,        -1, NoVar,              0,     65535, 0,     "!",    "!")  \
    X(DOLLAR,                    1, NoVar,        -1, NoVar,              0,     255,   255,   "$",    "$")  \
    X(DEV,                       1, NoVar,        -1, NoVar,              67,    67,    67,    "?",    "DEV")  \
    X(ERROR,                     1, NoVar,        -1, NoVar,              0,     65535, 0,     "&",    "&")  \
    X(READY,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "*",    "*")  \
    X(AMX,                       1, NoVar,        -1, NoVar,              0,     65535, 0,     "AM",   "NULL")  \
    X(XCR,                       1, NoVar,        -1, NoVar,              0,     65535, 0,     "X,13", "NULL")  \
    X(UPDATER,                   1, NoVar,        -1, NoVar,              0,     255,   0,     "yU",   "yU")  \
    X(UNIT,                      1, NoVar,        -1, NoVar,              0,     65535, 6000,  "UN",   "UN")  \
    X(FACTORYRESET,              1, NoVar,        -1, NoVar,              0,     1,     0,     "YR",   "YR")  \
    X(POSMEMORYRESET,            1, NoVar,        -1, NoVar,              0,     1,     0,     "YE",   "YE")  \
    X(STORE,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "YS",   "YS")  \
    X(QUIET,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "YQ",   "YQ")  \
    X(LOCK,                      1, NoVar,        -1, NoVar,              0,     2,     0,     "YK",   "YK")  \
    X(SYNCLOSS,                  1, NoVar,        -1, NoVar,              0,     1,     0,     "YL",   "YL")  \
    X(LCDBRIGHTNESS,             1, NoVar,        -1, NoVar,              1,     8,     8,     "YB",   "YB")  \
    X(KEYBRIGHTNESS,             1, NoVar,        -1, NoVar,              0,     1,     0,     "Yb",   "Yb")  \
    X(COPKIND,                   1, NoVar,        -1, NoVar,              0,     4,     0,     "CK",   "CK")  \
    X(COPPROGRESS,               1, NoVar,        -1, NoVar,              0,     100,   0,     "CP",   "CP")  \
    X(VERI1,                     1, NoVar,        -1, NoVar,              0,     65535, 0,     "xi",   "xi")  \
    X(VERI2,                     1, NoVar,        -1, NoVar,              0,     65535, 0,     "xj",   "xj")  \
    X(VERI3,                     1, NoVar,        -1, NoVar,              0,     65535, 0,     "xk",   "xk")  \
    X(VERI4,                     1, NoVar,        -1, NoVar,              0,     65535, 0,     "xl",   "xl")  \
    X(VERK,                      1, NoVar,        -1, NoVar,              0,     65535, 0,     "xK",   "xK")  \
    X(VERA,                      1, NoVar,        -1, NoVar,              0,     65535, 0,     "xA",   "xA")  \
    X(VERB,                      1, NoVar,        -1, NoVar,              0,     65535, 0,     "xB",   "xB")  \
    X(VERC,                      1, NoVar,        -1, NoVar,              0,     65535, 0,     "xC",   "xC")  \
    X(VERV,                      1, NoVar,        -1, NoVar,              0,     65535, 32,    "xV",   "xV")  \
    X(VERUPD,                    1, NoVar,        -1, NoVar,              0,     65535, 0,     "xU",   "xU")  \
    X(OPT,                       1, NoVar,        -1, NoVar,              0,     65535, 0,     "yo",   "yo")  \
    X(REV,                       1, NoVar,        -1, NoVar,              0,     255,   0,     "xR",   "xR")  \
    X(STDBYREQUEST,              1, NoVar,        -1, NoVar,              0,     2,     0,     "wS",   "wS")  \
    X(STDBYSTATUS,               1, NoVar,        -1, NoVar,              0,     1,     0,     "ws",   "ws")  \
    X(STDBYTIME,                 1, NoVar,        -1, NoVar,              0,     7,     7,     "wt",   "wt")  \
    X(STDBYMODE,                 1, NoVar,        -1, NoVar,              0,     3,     3,     "wm",   "wm")  \
    X(IAUTOSET,                  1, NoVar,        -1, NoVar,              0,     1,     0,     "Ia",   "Ia")  \
    X(ICH,                       1, NoVar,        -1, NoVar,              1,     5,     1,     "IC",   "IC")  \
    X(ICHN,                      1, NoVar,        -1, NoVar,              1,     5,     1,     "Ic",   "Ic")  \
    X(IPCHAN,                    1, NoVar,        -1, NoVar,              1,     5,     1,     "IP",   "IP")  \
    X(IPCHANSTATUS,              1, NoVar,        -1, NoVar,              1,     5,     1,     "Ip",   "Ip")  \
    X(ILOAD,                     6, IPCHAN,       6,  IPCHANSTATUS,       0,     1,     0,     "IZ",   "IZ")  \
    X(IUSED,                     6, IPCHAN,       6,  IPCHANSTATUS,       0,     1,     1,     "IU",   "IU")  \
    X(ITYPE,                     6, IPCHAN,       6,  IPCHANSTATUS,       0,     13,    0,     "IT",   "IT")  \
    X(ISDSTDMODE,                6, IPCHAN,       6,  IPCHANSTATUS,       0,     15,    1,     "Is",   "Is")  \
    X(ISOURCESTABILITY,          6, IPCHAN,       6,  IPCHANSTATUS,       0,     1,     0,     "IS",   "IS")  \
    X(IAMAP,                     6, IPCHAN,       6,  IPCHANSTATUS,       0,     6,     0,     "IA",   "IA")  \
    X(ISDI_CHANNEL_LEFT,         6, IPCHAN,       6,  IPCHANSTATUS,       1,     16,    1,     "ID",   "ID")  \
    X(ISDI_CHANNEL_RIGHT,        6, IPCHAN,       6,  IPCHANSTATUS,       1,     16,    2,     "Id",   "Id")  \
    X(IDELAY,                    6, IPCHAN,       6,  IPCHANSTATUS,       0,     500,   0,     "IB",   "IB")  \
    X(IDELAY_MODE,               6, IPCHAN,       6,  IPCHANSTATUS,       0,     1,     0,     "Ib",   "Ib")  \
    X(IPICTURE,                  6, IPCHAN,       6,  IPCHANSTATUS,       0,     3,     0,     "II",   "II")  \
    X(IPICTURE_ENABLE,           6, IPCHAN,       6,  IPCHANSTATUS,       0,     1,     0,     "IE",   "IE")  \
    X(IPICTURE_LEFT,             6, IPCHAN,       6,  IPCHANSTATUS,       0,     2047,  0,     "Il",   "Il")  \
    X(IPICTURE_TOP,              6, IPCHAN,       6,  IPCHANSTATUS,       0,     1199,  0,     "It",   "It")  \
    X(IPICTURE_TRANSPARENCY,     6, IPCHAN,       6,  IPCHANSTATUS,       0,     15,    0,     "IQ",   "IQ")  \
    X(INAME,                     6, IPCHAN,       6,  IPCHANSTATUS,       0,     33,    0,     "IN",   "IN")  \
    X(IFORMATLIST,               5, IFORMATINDEX, 3,  IFORMATINDEXSTATUS, 0,     255,   0,     "IW",   "IW")  \
    X(IFORMATINDEX,              1, NoVar,        -1, NoVar,              0,     4,     0,     "IX",   "IX")  \
    X(IFORMATINDEXSTATUS,        1, NoVar,        -1, NoVar,              0,     2,     0,     "Ix",   "Ix")  \
    X(IFORMATUSER,               1, NoVar,        -1, NoVar,              0,     18,    0,     "IY",   "IY")  \
    X(IHPOL,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "IH",   "IH")  \
    X(IVPOL,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "IV",   "IV")  \
    X(ISYNC,                     1, NoVar,        -1, NoVar,              0,     3,     0,     "IK",   "IK")  \
    X(IFREQFIELD,                1, NoVar,        -1, NoVar,              0,     65535, 0,     "IR",   "IR")  \
    X(IFREQLINE,                 1, NoVar,        -1, NoVar,              0,     65535, 0,     "IL",   "IL")  \
    X(IDVI_IS_HDCP,              1, NoVar,        -1, NoVar,              0,     1,     0,     "Ih",   "Ih")  \
    X(HPOS,                      1, NoVar,        -1, NoVar,              0,     2048,  1024,  "RX",   "RX")  \
    X(VPOS,                      1, NoVar,        -1, NoVar,              0,     2048,  1024,  "RY",   "RY")  \
    X(HSIZE,                     1, NoVar,        -1, NoVar,              0,     4096,  2048,  "RW",   "RW")  \
    X(VSIZE,                     1, NoVar,        -1, NoVar,              0,     4096,  2048,  "RH",   "RH")  \
    X(BRIGHTNESS,                1, NoVar,        -1, NoVar,              0,     255,   128,   "RT",   "RT")  \
    X(CONTRAST,                  1, NoVar,        -1, NoVar,              0,     255,   128,   "RC",   "RC")  \
    X(COLOR,                     1, NoVar,        -1, NoVar,              0,     255,   128,   "RL",   "RL")  \
    X(HUE,                       1, NoVar,        -1, NoVar,              0,     255,   127,   "RU",   "RU")  \
    X(RLV,                       1, NoVar,        -1, NoVar,              0,     255,   128,   "RE",   "RE")  \
    X(GLV,                       1, NoVar,        -1, NoVar,              0,     255,   128,   "RV",   "RV")  \
    X(BLV,                       1, NoVar,        -1, NoVar,              0,     255,   128,   "RB",   "RB")  \
    X(OVER,                      1, NoVar,        -1, NoVar,              0,     1,     0,     "RO",   "RO")  \
    X(IASP,                      1, NoVar,        -1, NoVar,              0,     3,     0,     "RI",   "RI")  \
    X(OASP,                      1, NoVar,        -1, NoVar,              0,     2,     0,     "RA",   "RA")  \
    X(RHTOTAL,                   1, NoVar,        -1, NoVar,              200,   65535, 0,     "RD",   "RD")  \
    X(RHTOTALMAXI,               1, NoVar,        -1, NoVar,              0,     65535, 0,     "RM",   "RM")  \
    X(PHASE,                     1, NoVar,        -1, NoVar,              0,     31,    0,     "RP",   "RP")  \
    X(IMAGERESET,                1, NoVar,        -1, NoVar,              0,     1,     0,     "RR",   "RR")  \
    X(AUTOCAD,                   1, NoVar,        -1, NoVar,              0,     1,     0,     "RK",   "RK")  \
    X(IFREEZE,                   1, NoVar,        -1, NoVar,              0,     1,     0,     "RZ",   "RZ")  \
    X(FLICK,                     1, NoVar,        -1, NoVar,              0,     7,     0,     "RF",   "RF")  \
    X(SHARPNESS,                 1, NoVar,        -1, NoVar,              0,     255,   128,   "RS",   "RS")  \
    X(GAMMA,                     1, NoVar,        -1, NoVar,              5,     40,    10,    "RG",   "RG")  \
    X(RAUTO_PULLDOWN_2_2,        1, NoVar,        -1, NoVar,              0,     1,     1,     "RN",   "RN")  \
    X(RAUTO_PULLDOWN_3_2,        1, NoVar,        -1, NoVar,              0,     1,     1,     "Rn",   "Rn")  \
    X(RCORING,                   1, NoVar,        -1, NoVar,              0,     255,   0,     "Rx",   "Rx")  \
    X(ZMODE,                     1, NoVar,        -1, NoVar,              0,     2,     0,     "ZM",   "ZM")  \
    X(ZMTRANSITION,              1, NoVar,        -1, NoVar,              0,     1,     0,     "ZT",   "ZT")  \
    X(ZMSCALE,                   9, ZMINDEX,      9,  ZMINDEXSTATUS,      0,     1,     0,     "Zp",   "Zp")  \
    X(ZMHSIZE,                   9, ZMINDEX,      9,  ZMINDEXSTATUS,      0,     65535, 1000,  "ZW",   "ZW")  \
    X(ZMVSIZE,                   9, ZMINDEX,      9,  ZMINDEXSTATUS,      0,     65535, 1000,  "ZS",   "ZS")  \
    X(ZMHPOS,                    9, ZMINDEX,      9,  ZMINDEXSTATUS,      0,     65535, 5000,  "ZH",   "ZH")  \
    X(ZMVPOS,                    9, ZMINDEX,      9,  ZMINDEXSTATUS,      0,     65535, 5000,  "ZV",   "ZV")  \
    X(ZMINDEX,                   1, NoVar,        -1, NoVar,              0,     8,     0,     "Zi",   "Zi")  \
    X(ZMINDEXSTATUS,             1, NoVar,        -1, NoVar,              0,     8,     0,     "Zs",   "Zs")  \
    X(AEMBED,                    1, NoVar,        -1, NoVar,              0,     1,     0,     "AE",   "AE")  \
    X(ACH_MODE,                  1, NoVar,        -1, NoVar,              0,     1,     0,     "Am",   "Am")  \
    X(ACH_BREAKAWAY,             1, NoVar,        -1, NoVar,              0,     5,     0,     "Ab",   "Ab")  \
    X(AMUTE,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "AT",   "AT")  \
    X(AMONO,                     1, NoVar,        -1, NoVar,              0,     1,     0,     "AS",   "AS")  \
    X(AMASTERVOLUME,             1, NoVar,        -1, NoVar,              0,     29,    29,    "AV",   "AV")  \
    X(AMASTERVOLUME_STATUS,      1, NoVar,        -1, NoVar,              78,    128,   128,   "Av",   "Av")  \
    X(AANALOGOUTLEVEL,           1, NoVar,        -1, NoVar,              0,     127,   127,   "AO",   "AO")  \
    X(ALEVEL,                    7, APCHAN,       7,  APCHANSTATUS,       0,     47,    29,    "AL",   "AL")  \
    X(ALEVEL_STATUS,             7, APCHAN,       7,  APCHANSTATUS,       78,    148,   128,   "Al",   "Al")  \
    X(ABALANCE,                  7, APCHAN,       7,  APCHANSTATUS,       0,     90,    45,    "AB",   "AB")  \
    X(APCHAN,                    1, NoVar,        -1, NoVar,              0,     6,     0,     "AP",   "AP")  \
    X(APCHANSTATUS,              1, NoVar,        -1, NoVar,              0,     6,     0,     "Ap",   "Ap")  \
    X(AREF_REQUEST,              1, NoVar,        -1, NoVar,              0,     1,     0,     "AF",   "AF")  \
    X(AREF_STATUS,               1, NoVar,        -1, NoVar,              0,     2,     0,     "Af",   "Af")  \
    X(ASPDIFOUTRATE,             1, NoVar,        -1, NoVar,              0,     4,     2,     "AR",   "AR")  \
    X(AUDIORESET,                1, NoVar,        -1, NoVar,              0,     1,     0,     "Ar",   "Ar")  \
    X(OFORMAT,                   1, NoVar,        -1, NoVar,              0,     34,    0,     "OF",   "OF")  \
    X(ORATE,                     1, NoVar,        -1, NoVar,              0,     10,    8,     "OR",   "OR")  \
    X(OSIGTYPEANALOG,            1, NoVar,        -1, NoVar,              0,     3,     0,     "OZ",   "OZ")  \
    X(OSIGTYPEDIGITAL,           1, NoVar,        -1, NoVar,              0,     2,     0,     "OX",   "OX")  \
    X(OPATTERN,                  1, NoVar,        -1, NoVar,              0,     8,     0,     "OP",   "OP")  \
    X(OPATTERN_CROSSHATCH_H,     1, NoVar,        -1, NoVar,              16,    2048,  256,   "Ow",   "Ow")  \
    X(OPATTERN_CROSSHATCH_V,     1, NoVar,        -1, NoVar,              16,    1200,  256,   "Ov",   "Ov")  \
    X(OPATTERN_COLOR_R,          1, NoVar,        -1, NoVar,              0,     255,   128,   "Or",   "Or")  \
    X(OPATTERN_COLOR_G,          1, NoVar,        -1, NoVar,              0,     255,   128,   "Og",   "Og")  \
    X(OPATTERN_COLOR_B,          1, NoVar,        -1, NoVar,              0,     255,   128,   "Ob",   "Ob")  \
    X(OBLACK,                    1, NoVar,        -1, NoVar,              0,     1,     0,     "OB",   "OB")  \
    X(ONTSCPEDESTAL,             1, NoVar,        -1, NoVar,              0,     1,     1,     "Op",   "Op")  \
    X(OPICTURE,                  1, NoVar,        -1, NoVar,              0,     3,     0,     "OE",   "OE")  \
    X(OPICTURE_ENABLE,           1, NoVar,        -1, NoVar,              0,     1,     1,     "Oe",   "Oe")  \
    X(OPICTURE_LEFT,             1, NoVar,        -1, NoVar,              0,     2047,  0,     "OL",   "OL")  \
    X(OPICTURE_TOP,              1, NoVar,        -1, NoVar,              0,     1199,  0,     "Ol",   "Ol")  \
    X(OPICTURE_TRANSPARENCY,     1, NoVar,        -1, NoVar,              0,     15,    0,     "OQ",   "OQ")  \
    X(OHSIZE,                    1, NoVar,        -1, NoVar,              0,     65535, 0,     "OW",   "OW")  \
    X(OVSIZE,                    1, NoVar,        -1, NoVar,              0,     65535, 0,     "OH",   "OH")  \
    X(ODVI_IS_HDCP,              1, NoVar,        -1, NoVar,              0,     1,     0,     "Oh",   "Oh")  \
    X(OCCTRL,                    1, NoVar,        -1, NoVar,              0,     2,     0,     "FC",   "FC")  \
    X(OCEXECUTE,                 1, NoVar,        -1, NoVar,              0,     1,     0,     "FX",   "FX")  \
    X(OCADVANCED,                1, NoVar,        -1, NoVar,              0,     1,     0,     "FA",   "FA")  \
    X(OCSETTINGNUMBER,           1, NoVar,        -1, NoVar,              0,     7,     0,     "FP",   "FP")  \
    X(OCNAMEINDEX,               1, NoVar,        -1, NoVar,              0,     11,    0,     "FI",   "FI")  \
    X(OCNAMEINDEXSTATUS,         1, NoVar,        -1, NoVar,              0,     11,    0,     "Fi",   "Fi")  \
    X(OCNAME,                    1, NoVar,        -1, NoVar,              0,     255,   0,     "FN",   "FN")  \
    X(OCCVT_HUTIL,               1, NoVar,        -1, NoVar,              0,     8191,  1024,  "FW",   "FW")  \
    X(OCCVT_VUTIL,               1, NoVar,        -1, NoVar,              0,     8191,  768,   "FH",   "FH")  \
    X(OCCVT_RATE,                1, NoVar,        -1, NoVar,              100,   10000, 6000,  "Fr",   "Fr")  \
    X(OCCVT_SCANTYPE,            1, NoVar,        -1, NoVar,              0,     3,     0,     "FS",   "FS")  \
    X(OCCVT_REDUCED_BLANKINGS,   1, NoVar,        -1, NoVar,              0,     1,     0,     "Fa",   "Fa")  \
    X(OCFULL_HSYNC,              1, NoVar,        -1, NoVar,              0,     8191,  136,   "FJ",   "FJ")  \
    X(OCFULL_HBACKPORCH,         1, NoVar,        -1, NoVar,              0,     8191,  160,   "FK",   "FK")  \
    X(OCFULL_HFRONTPORCH,        1, NoVar,        -1, NoVar,              0,     8191,  24,    "FL",   "FL")  \
    X(OCFULL_HUTIL,              1, NoVar,        -1, NoVar,              0,     8191,  1024,  "FM",   "FM")  \
    X(OCFULL_HTOTAL,             1, NoVar,        -1, NoVar,              0,     65535, 1344,  "Fh",   "Fh")  \
    X(OCFULL_VSYNC,              1, NoVar,        -1, NoVar,              0,     8191,  6,     "FY",   "FY")  \
    X(OCFULL_VBACKPORCH0,        1, NoVar,        -1, NoVar,              0,     8191,  29,    "FB",   "FB")  \
    X(OCFULL_VFRONTPORCH0,       1, NoVar,        -1, NoVar,              0,     8191,  3,     "FF",   "FF")  \
    X(OCFULL_VUTIL0,             1, NoVar,        -1, NoVar,              0,     8191,  768,   "FU",   "FU")  \
    X(OCFULL_VBACKPORCH1,        1, NoVar,        -1, NoVar,              0,     8191,  0,     "Fb",   "Fb")  \
    X(OCFULL_VFRONTPORCH1,       1, NoVar,        -1, NoVar,              0,     8191,  0,     "Ff",   "Ff")  \
    X(OCFULL_VUTIL1,             1, NoVar,        -1, NoVar,              0,     8191,  0,     "Fu",   "Fu")  \
    X(OCFULL_VTOTAL,             1, NoVar,        -1, NoVar,              0,     65535, 0,     "FT",   "FT")  \
    X(OCFULL_RATE,               1, NoVar,        -1, NoVar,              100,   10000, 6000,  "FR",   "FR")  \
    X(OCFULL_SCANTYPE,           1, NoVar,        -1, NoVar,              0,     3,     0,     "Fs",   "Fs")  \
    X(REFREQUEST,                1, NoVar,        -1, NoVar,              0,     6,     0,     "XR",   "XR")  \
    X(REFSTATUS,                 1, NoVar,        -1, NoVar,              0,     7,     0,     "XA",   "XA")  \
    X(REFFORMAT,                 1, NoVar,        -1, NoVar,              0,     34,    0,     "XF",   "XF")  \
    X(REFFREQ,                   1, NoVar,        -1, NoVar,              0,     65535, 0,     "XT",   "XT")  \
    X(REFSCP,                    1, NoVar,        -1, NoVar,              0,     1024,  512,   "XS",   "XS")  \
    X(REFHPH,                    1, NoVar,        -1, NoVar,              0,     65535, 32768, "XH",   "XH")  \
    X(REFVPH,                    1, NoVar,        -1, NoVar,              32763, 32773, 32768, "XV",   "XV")  \
    X(REFLOCKSTATUS,             1, NoVar,        -1, NoVar,              0,     1,     0,     "XL",   "XL")  \
    X(PMODE,                     1, NoVar,        -1, NoVar,              0,     6,     0,     "PM",   "PM")  \
    X(PEXECUTE,                  1, NoVar,        -1, NoVar,              0,     1,     0,     "PX",   "PX")  \
    X(PABORT,                    1, NoVar,        -1, NoVar,              0,     1,     0,     "PA",   "PA")  \
    X(PSTATUS,                   1, NoVar,        -1, NoVar,              0,     5,     0,     "PS",   "PS")  \
    X(PVALID,                    1, NoVar,        -1, NoVar,              1,     31,    1,     "PV",   "PV")  \
    X(PFADE_DURATION,            1, NoVar,        -1, NoVar,              15,    255,   50,    "PF",   "PF")  \
    X(PCAPTURE_LEFT,             1, NoVar,        -1, NoVar,              0,     2047,  0,     "PL",   "PL")  \
    X(PCAPTURE_TOP,              1, NoVar,        -1, NoVar,              0,     1199,  0,     "PT",   "PT")  \
    X(PCAPTURE_WIDTH,            1, NoVar,        -1, NoVar,              0,     2048,  200,   "PW",   "PW")  \
    X(PCAPTURE_HEIGHT,           1, NoVar,        -1, NoVar,              0,     1200,  200,   "PH",   "PH")  \
    X(PCAPTURE_LUMAKEY_TYPE,     1, NoVar,        -1, NoVar,              0,     1,     0,     "PK",   "PK")  \
    X(PCAPTURE_LUMAKEY_LEVEL,    1, NoVar,        -1, NoVar,              0,     255,   0,     "Pk",   "Pk")  \
    X(PCAPTURE_BACK_COLOR,       1, NoVar,        -1, NoVar,              0,     63,    0,     "PB",   "PB")  \
    X(PCAPTURE_STYLE,            1, NoVar,        -1, NoVar,              0,     2,     0,     "PY",   "PY")  \
    X(PCAPTURE_CAPTURE_TIME,     1, NoVar,        -1, NoVar,              0,     100,   0,     "Pt",   "Pt")  \
    X(PCAPTURE_MAX_FRAME,        1, NoVar,        -1, NoVar,              1,     255,   1,     "Pm",   "Pm")  \
    X(PCAPTURE_FRAME_COUNT,      1, NoVar,        -1, NoVar,              1,     255,   1,     "PC",   "PC")  \
    X(PCAPTURE_REFRESH_INTERVAL, 1, NoVar,        -1, NoVar,              1,     65535, 1,     "PR",   "PR")  \
    X(PCAPTURE_INDEX,            1, NoVar,        -1, NoVar,              1,     3,     1,     "PI",   "PI")  \
    X(PSTATUS_INDEX,             1, NoVar,        -1, NoVar,              1,     3,     1,     "Pi",   "Pi")  \
    X(PSTATUS_WIDTH,             1, NoVar,        -1, NoVar,              0,     2048,  200,   "Pw",   "Pw")  \
    X(PSTATUS_HEIGHT,            1, NoVar,        -1, NoVar,              0,     1200,  200,   "Ph",   "Ph")  \
    X(PSTATUS_STYLE,             1, NoVar,        -1, NoVar,              0,     3,     0,     "Py",   "Py")  \
    X(PSTATUS_FRAME_COUNT,       1, NoVar,        -1, NoVar,              1,     255,   1,     "Pc",   "Pc")  \
    X(PSTATUS_REFRESH_INTERVAL,  1, NoVar,        -1, NoVar,              1,     65535, 1,     "Pr",   "Pr")  \
    X(EDIDSEL,                   1, NoVar,        -1, NoVar,              0,     1,     0,     "Es",   "Es")  \
    X(EDIDFMT,                   1, NoVar,        -1, NoVar,              0,     17,    2,     "EM",   "EM")  \
    X(EDIDRATE,                  1, NoVar,        -1, NoVar,              0,     5,     1,     "ER",   "ER")  \
    X(EDIDSTORE,                 1, NoVar,        -1, NoVar,              0,     1,     0,     "ES",   "ES")  \
    X(LANENABLE,                 1, NoVar,        -1, NoVar,              0,     1,     0,     "ne",   "ne")  \
    X(LANRESET,                  1, NoVar,        -1, NoVar,              0,     1,     0,     "nr",   "nr")  \
    X(LANSTORE,                  1, NoVar,        -1, NoVar,              0,     1,     0,     "ns",   "ns")  \
    X(LANPADIP,                  1, NoVar,        -1, NoVar,              0,     2,     0,     "na",   "na")  \
    X(LANPADIPSTATUS,            1, NoVar,        -1, NoVar,              0,     2,     0,     "nb",   "nb")  \
    X(LANIP4,                    3, LANPADIP,     3,  LANPADIPSTATUS,     0,     255,   192,   "nw",   "nw")  \
    X(LANIP3,                    3, LANPADIP,     3,  LANPADIPSTATUS,     0,     255,   168,   "nx",   "nx")  \
    X(LANIP2,                    3, LANPADIP,     3,  LANPADIPSTATUS,     0,     255,   0,     "ny",   "ny")  \
    X(LANIP1,                    3, LANPADIP,     3,  LANPADIPSTATUS,     0,     255,   10,    "nz",   "nz")  \
    X(LANIPPORT,                 3, LANPADIP,     3,  LANPADIPSTATUS,     0,     65500, 10500, "np",   "np")  \
    X(LANNETMASK,                1, NoVar,        -1, NoVar,              0,     24,    8,     "nk",   "nk")  \
    X(LANPROTOCOL,               1, NoVar,        -1, NoVar,              0,     1,     1,     "nt",   "nt")
// clang-format on

enum : int { NoVar = -1 };

// One named constant per variable number, so no code writes a bare number.
enum TVarNumber : int {
#define MORLIX_VARIABLE_NUMBER(name, ...) name,
    MORLIX_VARIABLE_TABLE(MORLIX_VARIABLE_NUMBER)
#undef MORLIX_VARIABLE_NUMBER
    VarCount
};

struct TVarDescriptor
{
    const char *Name;
    int32_t ArraySize;
    int32_t IndexVar;
    int32_t StatusArraySize;
    int32_t StatusIndexVar;
    uint16_t Min;
    uint16_t Max;
    uint16_t Default;
    const char *SendMnemonic;
    const char *ReplyMnemonic;
};

inline constexpr int VarTableSize = 219;
static_assert(VarCount == VarTableSize, "the device has 219 variables");

inline constexpr TVarDescriptor VarTable[VarTableSize] = {
#define MORLIX_VARIABLE_ROW(name, arraySize, indexVar, statusSize, statusIndexVar, min, max, def, send, reply) \
    {#name, arraySize, indexVar, statusSize, statusIndexVar, min, max, def, send, reply},
    MORLIX_VARIABLE_TABLE(MORLIX_VARIABLE_ROW)
#undef MORLIX_VARIABLE_ROW
};
