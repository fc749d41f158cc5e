#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "core/radio/CaseText.h"

#include "core/files/NewDocumentImage.h"
#include "core/files/ProgramDoc.h"
#include "support/TempDir.h"

namespace {

RadioImage Pattern(std::uint8_t seed) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 13 + seed);
  return image;
}

// A document with a known state to compare against after a failure.
CProgramDoc KnownDocument() {
  CProgramDoc doc;
  doc.image = Pattern(1);
  doc.SetTitle("before.dat");
  doc.SetPathName("/somewhere/before.dat");
  return doc;
}

void ExpectSame(const CProgramDoc& a, const CProgramDoc& b) {
  EXPECT_EQ(a.image, b.image);
  EXPECT_EQ(a.GetTitle(), b.GetTitle());
  EXPECT_EQ(a.GetPathName(), b.GetPathName());
}

TEST(ProgramDoc, NewDocumentWithoutDefaultDat) {
  TempDir dir;
  for (Language language : {Language::English, Language::Chinese}) {
    CProgramDoc doc = KnownDocument();
    doc.OnNewDocument(dir.path() + "/", "Program", language);
    EXPECT_EQ(doc.image, BuiltInDefaults());
    EXPECT_EQ(doc.GetTitle(), language == Language::Chinese ? "信道信息" : "Channel Information");
    EXPECT_EQ(doc.GetPathName(), "Program");
  }
}

TEST(ProgramDoc, NewDocumentFromDefaultDat) {
  TempDir dir;
  dir.Write("Default.dat", DataFileBytes(Pattern(7)));
  CProgramDoc doc;
  doc.OnNewDocument(dir.path() + "/", "", Language::English);
  EXPECT_EQ(doc.image, Pattern(7));
  EXPECT_EQ(doc.GetPathName(), "");
}

TEST(ProgramDoc, SaveThenOpenGivesTheSameImage) {
  TempDir dir;
  CProgramDoc doc;
  doc.image = Pattern(3);
  const DataFileResult saved = doc.OnSaveDocument(dir.file("ch.dat"));
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(doc.GetPathName(), dir.file("ch.dat"));
  EXPECT_EQ(doc.GetTitle(), "ch.dat");
  EXPECT_EQ(dir.Read("ch.dat").size(), 1040u);

  CProgramDoc other = KnownDocument();
  ASSERT_TRUE(other.OnOpenDocument(dir.file("ch.dat")).ok());
  EXPECT_EQ(other.image, Pattern(3));
  EXPECT_EQ(other.GetPathName(), dir.file("ch.dat"));
  EXPECT_EQ(other.GetTitle(), "ch.dat");
}

struct OpenFailure {
  const char* name;
  std::string content;  // written as "f.dat"; "<missing>" writes nothing
  bool asFolder;
  DataFileStatus status;
};

class ProgramDocOpenFailure : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(ProgramDocOpenFailure, LeavesTheDocumentExactlyAsItWas) {
  const OpenFailure& c = GetParam();
  TempDir dir;
  if (c.asFolder) {
    ASSERT_EQ(::mkdir(dir.file("f.dat").c_str(), 0700), 0);
  } else if (c.content != "<missing>") {
    dir.Write("f.dat", c.content);
  }
  CProgramDoc doc = KnownDocument();
  EXPECT_EQ(doc.OnOpenDocument(dir.file("f.dat")).status, c.status);
  ExpectSame(doc, KnownDocument());
}

std::string WrongSignature() {
  std::string s = DataFileBytes(Pattern(2));
  s[3] = 0x34;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramDocOpenFailure,
    ::testing::Values(OpenFailure{"missing", "<missing>", false, DataFileStatus::CannotOpen},
                      OpenFailure{"folder", "", true, DataFileStatus::CannotOpen},
                      OpenFailure{"wrong_signature", WrongSignature(), false, DataFileStatus::BadSignature},
                      OpenFailure{"short", DataFileBytes(Pattern(2)).substr(0, 1039), false,
                                  DataFileStatus::ShortFile}),
    [](const ::testing::TestParamInfo<OpenFailure>& info) { return std::string(info.param.name); });

TEST(ProgramDoc, FailedSaveChangesNothing) {
  TempDir dir;
  CProgramDoc doc = KnownDocument();
  const DataFileResult r = doc.OnSaveDocument(dir.file("missing/x.dat"));
  EXPECT_EQ(r.status, DataFileStatus::CannotWrite);
  ExpectSame(doc, KnownDocument());
}

struct MessageCase {
  DataFileResult result;
  bool saving;
  Language language;
  std::string expected;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
  *os << std::to_string(static_cast<int>(c.result.status)) + " errno " + std::to_string(c.result.sysError) +
             (c.saving ? " saving" : " opening") + (c.language == Language::Chinese ? " Chinese" : " English");
}

class FailureMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FailureMessages, Text) {
  const MessageCase& c = GetParam();
  EXPECT_EQ(DataFileFailureMessage(c.result, "/data/a b.dat", c.saving, c.language), c.expected);
}

const std::string kNoEntry = std::strerror(ENOENT);
const std::string kNoSpace = std::strerror(ENOSPC);

INSTANTIATE_TEST_SUITE_P(
    Table, FailureMessages,
    ::testing::Values(
        MessageCase{{DataFileStatus::BadSignature, 0}, false, Language::English, "Data Format Error"},
        MessageCase{{DataFileStatus::BadSignature, 0}, false, Language::Chinese, "数据格式不正确"},
        MessageCase{{DataFileStatus::ShortFile, 0}, false, Language::English, ""},
        MessageCase{{DataFileStatus::ShortFile, 0}, false, Language::Chinese, ""},
        MessageCase{{DataFileStatus::Ok, 0}, true, Language::English, ""},
        MessageCase{{DataFileStatus::CannotOpen, ENOENT},
                    false,
                    Language::English,
                    "Cannot open the file /data/a b.dat: " + kNoEntry},
        MessageCase{
            {DataFileStatus::CannotOpen, ENOENT}, false, Language::Chinese, "无法打开文件 /data/a b.dat：" + kNoEntry},
        MessageCase{{DataFileStatus::CannotWrite, ENOSPC},
                    true,
                    Language::English,
                    "Cannot save the file /data/a b.dat: " + kNoSpace},
        MessageCase{
            {DataFileStatus::CannotWrite, ENOSPC}, true, Language::Chinese, "无法保存文件 /data/a b.dat：" + kNoSpace},
        MessageCase{{DataFileStatus::CannotOpen, 0},
                    false,
                    Language::English,
                    "Cannot open the file /data/a b.dat: the file could not be read or written"}));

TEST(FailureMessages, OpeningAMissingFileNamesItAndTheReason) {
  TempDir dir;
  CProgramDoc doc;
  const std::string path = dir.file("gone.dat");
  const DataFileResult r = doc.OnOpenDocument(path);
  EXPECT_EQ(DataFileFailureMessage(r, path, false, Language::English),
            "Cannot open the file " + path + ": " + kNoEntry);
}

}  // namespace
