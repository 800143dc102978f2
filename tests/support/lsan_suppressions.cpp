// Leaks in system libraries that the tests cannot mend, for LeakSanitizer:
// fontconfig 2.14 loses a few hundred bytes while it parses its
// configuration, once per process, the first time a font is looked up.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
