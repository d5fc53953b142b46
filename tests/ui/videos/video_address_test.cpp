#include "ui/videos/video_address.h"

#include <gtest/gtest.h>

#include <optional>

namespace uc {
namespace {

struct AddressCase {
  const char* address;
  std::optional<VideoAddress> expected;
};

VideoAddress regular(const char* id, std::optional<QString> start = {}) {
  return {QString::fromLatin1(id), false, std::move(start)};
}

TEST(VideoAddress, ReadsTheTwoFormsOfTheLists) {
  const AddressCase cases[] = {
      {"https://www.youtube.com/watch?v=abcdefghijk", regular("abcdefghijk")},
      {"https://www.youtube.com/watch?v=abcdefghijk&t=90s", regular("abcdefghijk", "90")},
      {"https://www.youtube.com/watch?v=abcdefghijk&list=x&t=12s", regular("abcdefghijk", "12")},
      // Empty pieces are dropped before the identifier and the start are read.
      {"https://www.youtube.com/watch?v=abcdefghijk&&t=7s&", regular("abcdefghijk", "7")},
      // A start that is not "t=<seconds>s" starts at the beginning.
      {"https://www.youtube.com/watch?v=abcdefghijk&t=90", regular("abcdefghijk")},
      {"https://www.youtube.com/watch?v=abcdefghijk&t=s", regular("abcdefghijk")},
      {"https://www.youtube.com/watch?v=abcdefghijk&t=1m5s", regular("abcdefghijk")},
      {"https://www.youtube.com/watch?v=abcdefghijk&t=-5s", regular("abcdefghijk")},
      {"https://www.youtube.com/watch?v=abcdefghijk&list=t=9s", regular("abcdefghijk")},
      // Identifiers of 10 or 12 characters, or none, are no video.
      {"https://www.youtube.com/watch?v=abcdefghij", std::nullopt},
      {"https://www.youtube.com/watch?v=abcdefghijkl&t=5s", std::nullopt},
      {"https://www.youtube.com/watch?v=", std::nullopt},
      {"https://www.youtube.com/watch?v=&abcdefghijk", regular("abcdefghijk")},
      // The short form is written without "//"; with it, it is not recognised.
      {"https:www.youtube.com/shorts/abcdefghijk", VideoAddress{"abcdefghijk", true, {}}},
      {"https://www.youtube.com/shorts/abcdefghijk", std::nullopt},
      {"https:www.youtube.com/shorts/abcdefghij", std::nullopt},
      {"https:www.youtube.com/shorts/abcdefghijk&t=5s", std::nullopt},
      // Other hosts and schemes.
      {"http://www.youtube.com/watch?v=abcdefghijk", std::nullopt},
      {"https://youtube.com/watch?v=abcdefghijk", std::nullopt},
      {"https://youtu.be/abcdefghijk", std::nullopt},
      {"", std::nullopt},
  };
  for (const AddressCase& c : cases) {
    EXPECT_EQ(parseVideoAddress(QString::fromLatin1(c.address)), c.expected) << c.address;
  }
}

// Identifiers and starts go into a web page: nothing but the safe characters gets there,
// whatever the configuration sent.
TEST(VideoAddress, OnlySafeIdentifiersReachThePageAndTheBrowser) {
  EXPECT_TRUE(isSafeVideoId("a-b_c0123XY"));
  for (const char* unsafe : {"abc\"><scri", "abcdefghij'", "abc def ghi", "abcdefgh\\ij"}) {
    EXPECT_FALSE(isSafeVideoId(QString::fromLatin1(unsafe))) << unsafe;
    const VideoAddress video = regular(unsafe);
    EXPECT_TRUE(embedPageHtml(video).isEmpty()) << unsafe;
    EXPECT_TRUE(watchUrl(video).isEmpty()) << unsafe;
  }
  EXPECT_TRUE(embedPageHtml(regular("abcdefghijk", "1\"2")).isEmpty());
  EXPECT_TRUE(embedPageHtml(regular("abcdefghijk", "1234567890")).isEmpty());

  const QString page = embedPageHtml(regular("abcdefghijk", "90"));
  EXPECT_TRUE(
      page.contains("/embed/abcdefghijk?autoplay=1&playsinline=1&iv_load_policy=1&start=90\""));
  EXPECT_FALSE(embedPageHtml(regular("abcdefghijk")).contains("start="));
}

TEST(VideoAddress, OpensWhereTheListPointed) {
  EXPECT_EQ(watchUrl(regular("abcdefghijk", "90")),
            QUrl("https://www.youtube.com/watch?v=abcdefghijk&t=90s"));
  EXPECT_EQ(watchUrl({"abcdefghijk", true, {}}),
            QUrl("https://www.youtube.com/shorts/abcdefghijk"));
  EXPECT_EQ(thumbnailUrl(regular("abcdefghijk"), "http://127.0.0.1:1/vi/"),
            QUrl("http://127.0.0.1:1/vi/abcdefghijk/hqdefault.jpg"));
}

}  // namespace
}  // namespace uc
