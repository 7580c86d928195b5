#include <gtest/gtest.h>

#include "app/launcher_kinds.h"
#include "app/launcher_settings.h"
#include "kernel/random.h"

using namespace app;

TEST(LauncherSettings, NineteenBytesInTheirOrder) {
  LauncherSettings s;
  kernel::SetWinRect(s.placement, 0x01020304, -2, 300, 200, 1);
  s.openLast = 1;
  s.useDefaults = 0;
  const kernel::Bytes bytes = EncodeLauncherSettings(s);
  const kernel::Bytes expected = {0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 0x01,
                                  0x00, 0x00, 0xC8, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00};
  EXPECT_EQ(bytes, expected);
  const std::optional<LauncherSettings> back = DecodeLauncherSettings(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->placement.x, 0x01020304);
  EXPECT_EQ(back->placement.y, -2);
  EXPECT_EQ(back->placement.height, 200);
  EXPECT_EQ(back->placement.zoomed, 1);
  EXPECT_EQ(back->openLast, 1);
  EXPECT_EQ(back->useDefaults, 0);
  // A file cut short is no settings file at all.
  EXPECT_FALSE(DecodeLauncherSettings(kernel::Bytes(bytes.begin(), bytes.end() - 1)));
}

TEST(LauncherSettings, APlacementOffTheScreenBecomesSmallNearTheTopLeft) {
  struct Case {
    int x, y, width, height;
    bool replaced;
  };
  const Case cases[] = {
      {100, 50, 200, 120, false}, {0, 0, 800, 600, false},    {700, 50, 200, 120, true},
      {-1, 50, 200, 120, true},   {100, -5, 200, 120, true},  {100, 50, 119, 120, true},
      {100, 50, 200, 71, true},   {100, 500, 200, 120, true}, {2147483000, 0, 2000, 100, true},
  };
  kernel::SeedRandom(3);
  for (const Case& c : cases) {
    kernel::WinPlacement p{c.x, c.y, c.width, c.height, 1};
    EXPECT_EQ(KeepOnScreen(p, 800, 600), c.replaced) << c.x << "," << c.y;
    if (c.replaced) {
      EXPECT_GE(p.x, 0);
      EXPECT_LT(p.x, 30);
      EXPECT_GE(p.y, 0);
      EXPECT_LT(p.y, 30);
      EXPECT_EQ(p.width, 120);
      EXPECT_EQ(p.height, 72);
      EXPECT_EQ(p.zoomed, 0);
    } else {
      EXPECT_EQ(p.x, c.x);
      EXPECT_EQ(p.zoomed, 1);
    }
  }
}

TEST(LauncherKinds, AFileOpensByTheThreeLettersAfterItsLastDot) {
  struct Case {
    const char* name;
    std::optional<WindowKind> kind;
  };
  const Case cases[] = {
      {"a.kv2", WindowKind::Plane},
      {"My figure.KV3", WindowKind::Solid},
      {"/home/u/maps.d/cells.Vor", WindowKind::Voronoi},
      {"k.kit", WindowKind::KitesAndDarts},
      {"r.rho", WindowKind::Rhombs},
      {"Figure.Kvh", WindowKind::Hyperbolic},
      {"s.kvs", WindowKind::Spherical},
      {"a.b.kv2", WindowKind::Plane},
      {"picture.jpeg", std::nullopt},
      {"notes.txt", std::nullopt},
      {"fig.kv", std::nullopt},
      {"figure", std::nullopt},
      {"/home/u/x.kv2/figure", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> extension = LastExtension3(c.name);
    const std::optional<WindowKind> kind = extension ? KindForExtension(*extension) : std::nullopt;
    EXPECT_EQ(kind, c.kind) << c.name;
  }
}
