// qi-volatile-key KEY: makes a volatile key under HKEY_CURRENT_USER, for the program's test of a
// registry that refuses its key (program_test.sh registry-failure). Exit code 0 when made.
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, argv[1], 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return 1;
  }
  RegCloseKey(key);
  return 0;
}
