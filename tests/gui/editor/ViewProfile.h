#pragma once
// "Program.ini" for the channel window tests: two radio types, a title line.
#include <string>

inline std::string ViewProfile(const std::string& language) {
  return "[Setup]\nLanguage=" + language +
         "\nAppName=QuillmoorProgrammer\nType1=QR-450\nField1=400-470MHz|450-520MHz\n"
         "Type2=QR-160\nField2=136-174MHz\n"
         "[English]\nCompany=Quillmoor Radio Works\nAppName=Quillmoor Programmer\nTitle=16-Channel FM Radio\n"
         "[Chinese]\nCompany=奎尔摩无线电\nAppName=奎尔摩写频软件\nTitle=16 信道调频电台\n";
}
