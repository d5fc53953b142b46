#include "core/config/remote_config_records.h"

#include <gtest/gtest.h>

#include <string>

namespace uc::config {
namespace {

std::string app(const std::string& identifier, const std::string& extra = {}) {
  return R"({"appIdentifiers": [")" + identifier + R"("], "appName": {"en": "App )" + identifier +
         R"(", "de": "Anw )" + identifier + R"("}, "appURL": "https://a.test/)" + identifier +
         R"(", "appURLPro": "apro://open", "ratingURL": "", "ratingURLPro": "",
             "storeURL": "https://store.test/)" +
         identifier + R"(", "storeURLPro": "",
             "shouldShow": true, "calculationsUntilInterstitial": 3)" +
         extra + "}";
}

std::string apps(const std::string& list) { return R"({"apps": [)" + list + "]}"; }

TEST(RemoteConfigRecords, AppsDecodeStrictlyAndSayWhatFailed) {
  std::string error;
  const auto decoded = decodeAllAppMetaData(
      apps(app("a") + "," + app("b", R"(, "isMultiApp": null, "colour": 1)")), &error);
  ASSERT_TRUE(decoded) << error;
  ASSERT_EQ(decoded->size(), 2u);
  EXPECT_EQ((*decoded)[0].name("de"), "Anw a");
  EXPECT_EQ((*decoded)[0].name("fr"), "App a");
  EXPECT_EQ((*decoded)[1].calculationsUntilInterstitial, 3);
  EXPECT_FALSE((*decoded)[1].isMultiApp);

  const std::pair<std::string, std::string> refused[] = {
      {R"(, "calculationsUntilInterstitial": 2.5)",
       "apps[1]: calculationsUntilInterstitial is not an integer"},
      {R"(, "calculationsUntilInterstitial": 1e19)",
       "calculationsUntilInterstitial is not an integer"},
      {R"(, "isMultiApp": "true")", "isMultiApp is not a boolean"},
      {R"(, "appName": {"en": 1})", "appName.en is not a string"},
      {R"(, "appIdentifiers": ["a", 1])", "appIdentifiers holds a value that is not a string"},
  };
  for (const auto& [extra, message] : refused) {
    // A member given twice counts as its last value.
    EXPECT_FALSE(decodeAllAppMetaData(apps(app("a") + "," + app("b", extra)), &error)) << extra;
    EXPECT_NE(error.find(message), std::string::npos) << error;
  }
  EXPECT_TRUE(decodeAllAppMetaData(apps(app("a", R"(, "calculationsUntilInterstitial": 3.0)"))));
  EXPECT_FALSE(decodeAllAppMetaData(R"({"apps": [{"appIdentifiers": []}]})", &error));
  EXPECT_EQ(error, "apps[0]: appName is missing");
}

TEST(RemoteConfigRecords, WhatIsNoDocumentIsRefusedWithoutHarm) {
  std::string error;
  for (const std::string text : {"", "  \n", "{", "[1,", "3", "\"apps\"", "null",
                                 "{\"apps\": 1e400}", "{\"apps\": \"\xff\"}", "{}"}) {
    EXPECT_FALSE(decodeAllAppMetaData(text, &error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
  EXPECT_FALSE(decodeAllAppMetaData("", &error));
  EXPECT_EQ(error, "no value");
  // Nesting deeper than any document: refused, and neither parsing nor freeing overflows.
  const std::string deep = std::string(200'000, '[') + std::string(200'000, ']');
  EXPECT_FALSE(decodeAllAppMetaData(deep));
  EXPECT_FALSE(decodeVideoTutorials(deep));
}

TEST(RemoteConfigRecords, LongTextsAreCutOrDroppedCountedAsTheScreenCountsThem) {
  const std::string huge(1 << 20, 'x');
  const std::string tooLong(kMaxTextLength + 1, 'k');
  const std::string emoji = "\xF0\x9F\x98\x80";  // two UTF-16 units
  const std::string name = std::string(kMaxShownTextLength - 2, 'd') + emoji + "!";
  const std::string document =
      apps(R"({"appIdentifiers": ["a", ")" + tooLong + R"("], "appName": {"en": ")" + huge +
           R"(", "de": ")" + name + R"(", "fr": "é)" + std::string(kMaxShownTextLength - 1, 'e') +
           R"(", ")" + tooLong + R"(": "x"}, "appURL": "https://a.test/)" + tooLong +
           R"(", "appURLPro": "", "ratingURL": "", "ratingURLPro": "", "storeURL": "",
          "storeURLPro": "", "shouldShow": true, "calculationsUntilInterstitial": 0})");
  std::string error;
  const auto decoded = decodeAllAppMetaData(document, &error);
  ASSERT_TRUE(decoded) << error;
  const AppMetaData& only = decoded->front();
  EXPECT_EQ(only.name("en"), std::string(kMaxShownTextLength - 1, 'x') + "\u2026");
  EXPECT_EQ(only.name("de"),
            std::string(kMaxShownTextLength - 2, 'd') + "\u2026");              // no half emoji
  EXPECT_EQ(only.name("fr"), "é" + std::string(kMaxShownTextLength - 1, 'e'));  // exactly the limit
  EXPECT_EQ(only.appName.size(), 3u);
  EXPECT_EQ(only.appURL, "");
  EXPECT_EQ(only.appIdentifiers, std::vector<std::string>{"a"});

  const auto videos = decodeVideoTutorials(R"({"KV": {"en": ["v1", ")" + huge + R"(", "v2"], ")" +
                                           tooLong + R"(": []}, ")" + tooLong + R"(": {}})");
  ASSERT_TRUE(videos);
  EXPECT_EQ(videos->size(), 1u);
  EXPECT_EQ(videos->at("KV").at("en"), (std::vector<std::string>{"v1", "v2"}));
}

TEST(RemoteConfigRecords, ListsOfRecordsNameTheirPlaceWhenOneFails) {
  std::string error;
  EXPECT_FALSE(decodeAds(R"({"menu": [{"imageName": "i", "linkingString": "l"}]})", &error));
  EXPECT_EQ(error, "menu[0]: discountNumber is missing");
  EXPECT_FALSE(decodeOffers(R"({"start": [{"buttonTexts": {}}]})", &error));
  EXPECT_EQ(error, "start[0]: offerId is missing");
  EXPECT_FALSE(decodeVideoTutorials(R"({"KV": {"en": "v"}})", &error));
  EXPECT_EQ(error, "KV en is not an array");
  EXPECT_TRUE(decodeUmpReferenceData(
      R"({"purposeConsents": "", "purposeLegitimateInterests": "", "vendorConsents": "",
          "vendorLegitimateInterests": ""})"));
  EXPECT_TRUE(decodes("somethingNew", "not json"));
  EXPECT_FALSE(decodes("apps", "{}"));
}

TEST(RemoteConfigRecords, TheMenuShowsOtherAppsAndVideosFallBackToEnglish) {
  const auto all = *decodeAllAppMetaData(apps(app("own") + "," + app("single") + "," +
                                              app("multi", R"(, "isMultiApp": true)") + "," +
                                              app("hidden", R"(, "shouldShow": false)")));
  const auto single = shownApps(all, "own", false);
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].appIdentifiers[0], "single");
  ASSERT_EQ(shownApps(all, "own", true).size(), 1u);
  EXPECT_TRUE(shownApps(all, "", false).empty());

  const VideoTutorials videos = *decodeVideoTutorials(R"({"KV": {"en": ["e1"], "de": ["d1"]}})");
  EXPECT_EQ(videoTutorialUrls(videos, "KV", "de"), (std::vector<std::string>{"d1", "e1"}));
  EXPECT_EQ(videoTutorialUrls(videos, "KV", "en"), std::vector<std::string>{"e1"});
  EXPECT_EQ(videoTutorialUrls(videos, "KV", "fr"), std::vector<std::string>{"e1"});
  EXPECT_TRUE(videoTutorialUrls(videos, "XX", "en").empty());
}

}  // namespace
}  // namespace uc::config

namespace uc::config {
namespace {

TEST(RemoteConfigRecords, APageOpensOnlyHttpsAddressesWithAHost) {
  EXPECT_EQ(httpsAddress(" https://a.test/x?y#z\n"), "https://a.test/x?y#z");
  EXPECT_EQ(httpsAddress("HTTPS://A.test"), "HTTPS://A.test");
  for (const std::string refused :
       {"", "https://", "https:///path", "http://a.test", "javascript:alert(1)",
        "https://user@evil.test", "https://a .test", "smb://a.test", "intent://a.test",
        "https:a.test", "https://:443/"}) {
    EXPECT_FALSE(httpsAddress(refused)) << refused;
  }
  AppMetaData app;
  app.appURLPro = "apro://open";
  app.appURL = "https://web.test/app";
  app.storeURLPro = "https://store.test";
  EXPECT_EQ(webLink(app), "https://web.test/app");
  app.appURL = "afree://open";
  EXPECT_EQ(webLink(app), "https://store.test");
  app.storeURLPro = "";
  EXPECT_FALSE(webLink(app));
}

}  // namespace
}  // namespace uc::config
