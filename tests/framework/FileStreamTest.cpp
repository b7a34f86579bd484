// TFileStream over the platform's files: creation, sharing, reading, writing and sizing.
#include <gtest/gtest.h>

#include "../platform/kernel32/TempPrefix.h"
#include "TFileStream.h"

using enum TSeekOrigin;

namespace {

class FileStreamTest : public TempPrefix {};

TEST_F(FileStreamTest, WritesReadsSeeksAndResizes) {
  {
    TFileStream stream("C:\\data.bin", fmCreate);
    stream.WriteBuffer("0123456789", 10);
    EXPECT_EQ(stream.Size(), 10);
    stream.SetPosition(4);
    char middle[3] = {};
    stream.ReadBuffer(middle, 2);
    EXPECT_STREQ(middle, "45");
    EXPECT_EQ(stream.Seek(-1, soEnd), 9);
    stream.SetSize(6);
    EXPECT_EQ(stream.Size(), 6);
  }
  EXPECT_EQ(Read(DriveC("data.bin")), "012345");

  TFileStream reader("C:\\DATA.BIN", fmOpenRead);
  char all[16] = {};
  EXPECT_EQ(reader.Read(all, sizeof all), 6);
  EXPECT_EQ(reader.Write("x", 1), 0);
  EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
}

TEST_F(FileStreamTest, ASecondOpenOfAnExclusiveFileFails) {
  TFileStream first("C:\\data.bin", fmCreate);
  try {
    TFileStream second("C:\\data.bin", fmOpenRead | fmShareExclusive);
    FAIL() << "opened twice";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(error.Message(), "Cannot open file C:\\data.bin");
  }
  EXPECT_THROW(TFileStream("C:\\data.bin", fmOpenRead | fmShareDenyNone), EFOpenError);
}

TEST_F(FileStreamTest, ShareModesDecideWhoElseMayOpen) {
  ASSERT_TRUE(CreateWithContent("C:\\data.bin", "abc"));
  {
    TFileStream reader("C:\\data.bin", fmOpenRead | fmShareDenyWrite);
    EXPECT_NO_THROW(TFileStream("C:\\data.bin", fmOpenRead | fmShareDenyNone));
    EXPECT_THROW(TFileStream("C:\\data.bin", fmOpenReadWrite | fmShareDenyNone), EFOpenError);
  }
  {
    TFileStream writer("C:\\data.bin", fmOpenWrite | fmShareDenyRead);
    EXPECT_THROW(TFileStream("C:\\data.bin", fmOpenRead | fmShareDenyNone), EFOpenError);
  }
  // Closed streams no longer hold the file.
  EXPECT_NO_THROW(TFileStream("C:\\data.bin", fmOpenReadWrite | fmShareExclusive));
}

TEST_F(FileStreamTest, MissingFilesAndFoldersRaiseTheirErrors) {
  try {
    TFileStream stream("C:\\missing\\new.bin", fmCreate);
    FAIL() << "created";
  } catch (const EFCreateError& error) {
    EXPECT_EQ(error.Message(), "Cannot create file C:\\missing\\new.bin");
  }
  try {
    TFileStream stream("C:\\absent.bin", fmOpenRead);
    FAIL() << "opened";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(error.Message(), "Cannot open file C:\\absent.bin");
  }
}

}  // namespace
