#pragma once
// Sets (or, with nullptr, removes) an environment variable for one scope;
// programs a test starts inherit it. TZ changes take effect at once.
#include <stdlib.h>
#include <time.h>

#include <string>

class CScopedEnv {
 public:
  CScopedEnv(const char* name, const char* value) : m_name(name) {
    const char* old = ::getenv(name);
    m_bHad = old != nullptr;
    if (old) m_old = old;
    Set(value);
  }
  ~CScopedEnv() { Set(m_bHad ? m_old.c_str() : nullptr); }
  CScopedEnv(const CScopedEnv&) = delete;
  CScopedEnv& operator=(const CScopedEnv&) = delete;

 private:
  void Set(const char* value) {
    if (value)
      ::setenv(m_name, value, 1);
    else
      ::unsetenv(m_name);
    ::tzset();
  }

  const char* m_name;
  std::string m_old;
  bool m_bHad = false;
};
