#include "gui/shell/AppContext.h"

#include <QTranslator>

namespace {
// The one pointer the contexts share: whichever is in force.
CAppContext*& Current() {
  static CAppContext* current = nullptr;
  return current;
}
}  // namespace

CAppContext::CAppContext()
    : m_pReplaced(Current()), m_pHooks(m_pReplaced != nullptr ? m_pReplaced->m_pHooks : std::make_shared<HookSet>()) {
  Current() = this;
}

// An application's context ends before the process's own.
CAppContext::~CAppContext() { Current() = m_pReplaced; }

CAppContext& AppContext() {
  if (Current() == nullptr) {
    // Made at the first use outside an application; in force from then on
    // whenever no application runs.
    static CAppContext process;
    if (Current() == nullptr) Current() = &process;
  }
  return *Current();
}
