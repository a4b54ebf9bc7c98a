// The almanac's argument checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac_options.h"

namespace {

bool Parse(std::vector<const char*> args, AlmanacOptions& options, std::string& error) {
  args.insert(args.begin(), "selenarium-almanac");
  return ParseAlmanacOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(AlmanacOptions, DefaultsAndValues) {
  AlmanacOptions o;
  std::string error;
  ASSERT_TRUE(Parse({}, o, error));
  EXPECT_FALSE(o.haveInstant);
  EXPECT_FALSE(o.haveZone);
  EXPECT_FALSE(o.json);
  EXPECT_EQ(o.latitude, 55.75);
  EXPECT_EQ(o.longitude, 37.62);

  ASSERT_TRUE(Parse({"--utc", "2005-10-12T12:00:00", "--lat", "-33.9", "--lon", "151.2", "--zone", "5.5", "--json"},
                    o, error));
  EXPECT_TRUE(o.haveInstant);
  EXPECT_EQ(o.unixSeconds, 1129118400LL);
  EXPECT_EQ(o.latitude, -33.9);
  EXPECT_EQ(o.longitude, 151.2);
  EXPECT_TRUE(o.haveZone);
  EXPECT_EQ(o.zoneHours, 5.5);
  EXPECT_TRUE(o.json);
}

TEST(AlmanacOptions, BadArgumentsAreNamed) {
  const struct {
    std::vector<const char*> args;
    const char* named;
  } cases[] = {
      {{"--lat", "91"}, "--lat"},
      {{"--lat", "north"}, "--lat"},
      {{"--lat", "nan"}, "--lat"},
      {{"--lon", "-180.5"}, "--lon"},
      {{"--lon", "12abc"}, "--lon"},
      {{"--zone", "25"}, "--zone"},
      {{"--zone", ""}, "--zone"},
      {{"--zone"}, "--zone"},
      {{"--utc", "2005-10-12 12:00:00"}, "--utc"},
      {{"--utc", "2005-02-29T00:00:00"}, "--utc"},
      {{"--utc", "2005-13-01T00:00:00"}, "--utc"},
      {{"--utc", "2005-10-12T24:00:00"}, "--utc"},
      {{"--utc", "2005-10-12T12:00"}, "--utc"},
      {{"--utc", "1500-03-01T12:00:00"}, "--utc"},   // before the Gregorian calendar
      {{"--verbose"}, "--verbose"},
  };
  for (const auto& c : cases) {
    AlmanacOptions o;
    std::string error;
    EXPECT_FALSE(Parse(c.args, o, error)) << c.named;
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << error;
  }
  AlmanacOptions o;
  std::string error;
  EXPECT_TRUE(Parse({"--utc", "2004-02-29T23:59:59"}, o, error)) << error;
  EXPECT_TRUE(Parse({"--utc", "1583-01-01T00:00:00"}, o, error)) << error;
}

}  // namespace
