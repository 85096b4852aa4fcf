// Leak checker suppressions of every test program, for sanitizer builds.
// The leak checker looks this function up by name; other builds never call it.
extern "C" const char* __lsan_default_suppressions() {
  // Fonts that Qt's platform plugin loads through fontconfig stay allocated until the exit.
  return "leak:libfontconfig.so\n";
}
