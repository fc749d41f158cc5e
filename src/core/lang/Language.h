#pragma once
// Every text built in code exists in English and Chinese; the caller says
// which one it wants (the program passes its language flag).
struct LangText {
  const char* english;
  const char* chinese;
  const char* operator()(bool inChinese) const { return inChinese ? chinese : english; }
};
