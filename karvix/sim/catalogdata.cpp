// catalogdata.cpp - embeds polar_stars.csv into the library.
//
// The assembler's .incbin copies the file's bytes into read-only data at build time, so the
// library carries its sky with it. KARVIX_CATALOG_FILE is the file's absolute path, fixed by
// karvix/CMakeLists.txt, which also makes this object depend on the file.

// clang-format off
__asm__(".section .rodata\n"
        ".global karvixCatalogBegin\n"
        ".hidden karvixCatalogBegin\n"
        "karvixCatalogBegin:\n"
        ".incbin \"" KARVIX_CATALOG_FILE "\"\n"
        ".global karvixCatalogEnd\n"
        ".hidden karvixCatalogEnd\n"
        "karvixCatalogEnd:\n"
        ".byte 0\n"
        ".previous\n");
// clang-format on
