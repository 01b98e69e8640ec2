// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the Windows clipboard as any other program does, through the Win32
// API, for the clipboard check: "text" writes its CF_UNICODETEXT to standard
// output as UTF-8, line ends as they stand; "picture" writes the format and
// the size of its bitmap, CF_DIBV5 where there is one, else CF_DIB, as
// "FORMAT WIDTH HEIGHT"; "empty" empties it, so that what is read next
// can only come from the copy that follows. Exit status 1 when the
// clipboard holds no such format, 2 on bad usage. Plain Win32 and C, so that it needs no DLL.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool openClipboard() {
  // The program that copied may hold the clipboard open for a moment.
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(100);
  }
  return false;
}

bool writeText() {
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* wide = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (!wide) return false;
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  char* utf8 = static_cast<char*>(std::malloc(bytes > 0 ? bytes : 1));
  if (utf8 && bytes > 0 &&
      WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, bytes, nullptr, nullptr)) {
    std::fwrite(utf8, 1, std::strlen(utf8), stdout);
  }
  std::free(utf8);
  GlobalUnlock(data);
  return true;
}

bool writePictureSize() {
  const UINT formats[] = {CF_DIBV5, CF_DIB};
  for (const UINT format : formats) {
    HANDLE data = GetClipboardData(format);
    // A BITMAPV5HEADER begins as a BITMAPINFOHEADER does.
    const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr;
    if (!header) continue;
    std::printf("%s %ld %ld\n", format == CF_DIBV5 ? "CF_DIBV5" : "CF_DIB", header->biWidth,
                std::labs(header->biHeight));
    GlobalUnlock(data);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const bool text = std::strcmp(argv[1], "text") == 0;
  const bool empty = std::strcmp(argv[1], "empty") == 0;
  if (!text && !empty && std::strcmp(argv[1], "picture") != 0) return 2;
  _setmode(_fileno(stdout), _O_BINARY);  // the text's own line ends, untranslated
  if (!openClipboard()) return 1;
  const bool found = empty ? EmptyClipboard() != 0 : text ? writeText() : writePictureSize();
  CloseClipboard();
  return found ? 0 : 1;
}
