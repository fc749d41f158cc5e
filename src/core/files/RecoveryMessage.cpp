#include "core/files/RecoveryMessage.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "core/files/RegularFile.h"

namespace {

constexpr LangText kRecoveryOffer{
    "Unsaved changes were kept when the program last ended without saving them (%s).\n"
    "Open them as an untitled document, or discard them?",
    "程序上次结束时有未保存的修改，已保留（%s）。\n以未命名文档打开，还是丢弃？"};
constexpr LangText kRecoveryFailed{"Unsaved changes cannot be kept for recovery: cannot write '%s': %s",
                                   "无法保留未保存修改的恢复副本：无法写入“%s”：%s"};

// The local date and time, digits only, whatever the locale.
std::string LocalTimeText(std::time_t when) {
  std::tm local{};
  ::localtime_r(&when, &local);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

}  // namespace

std::string RecoveryOfferText(const std::string& path, Language language) {
  struct stat st {};
  const std::string when = ::stat(path.c_str(), &st) == 0 ? LocalTimeText(st.st_mtime) : path;
  char text[1024];
  std::snprintf(text, sizeof text, kRecoveryOffer(language), when.c_str());
  return text;
}

std::string RecoveryFailureText(const std::string& folder, int error, Language language) {
  char text[2048];
  std::snprintf(text, sizeof text, kRecoveryFailed(language), folder.c_str(), FileErrorText(error, language).c_str());
  return text;
}
