// The skin's texts: the face and the Chinese texts of the translated interface.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "i18n/builtin_tables.h"
#include "skin/skin_draw.h"
#include "framework/tests/support/ui_test_support.h"

namespace {
// The pixels of `text` drawn white on black in a skin font.
std::wstring Render(const std::wstring& text, PixelCanvas& canvas) {
  CDC(canvas.Dc()).FillSolidRect(RECT{0, 0, canvas.Width(), canvas.Height()}, RGB(0, 0, 0));
  DrawSkinText(canvas.Dc(), kBaseDpi, text, RECT{0, 0, canvas.Width(), canvas.Height()}, DT_SINGLELINE, 18, FW_THIN,
               RGB(255, 255, 255));
  std::wstring pixels;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) pixels.push_back(canvas.Pixel(x, y) == RGB(0, 0, 0) ? L'.' : L'#');
  }
  return pixels;
}
}  // namespace

TEST(SkinFont, FaceIsDeckerOrTheSystemsMessageFont) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  const std::wstring face = SkinFontFace();
  EXPECT_TRUE(face == L"Decker" || face == metrics.lfMessageFont.lfFaceName || face == L"Tahoma")
      << std::string(face.begin(), face.end());
  FontHandle font = CreateSkinFont(kBaseDpi, 17);
  LOGFONTW described{};
  GetObjectW(font.Get(), sizeof(described), &described);
  EXPECT_EQ(described.lfHeight, 17);
  EXPECT_EQ(described.lfWeight, FW_THIN);
  EXPECT_EQ(described.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(described.lfPitchAndFamily, FF_SWISS);
  EXPECT_EQ(std::wstring(described.lfFaceName), face);
}

TEST(SkinFont, TheHeightFollowsTheDpi) {
  for (const UINT dpi : {96u, 120u, 144u, 192u}) {
    FontHandle font = CreateSkinFont(dpi, 18);
    LOGFONTW described{};
    GetObjectW(font.Get(), sizeof(described), &described);
    EXPECT_EQ(described.lfHeight, ScaleToDpi(18, dpi)) << dpi;
  }
}

// Every Chinese character of both translations, drawn in the skin font, is a glyph of its own: not
// blank and not the box a missing character gets. Run under the English, Simplified (936) and
// Traditional (950) Chinese code pages (ctest entries skin_fonts_zh_cn, skin_fonts_zh_tw).
TEST(SkinFont, EveryChineseCharacterOfTheInterfaceHasAGlyph) {
  PixelCanvas canvas(28, 28);
  const std::wstring missing = Render(L"\xE000", canvas);
  const std::wstring blank = Render(L" ", canvas);
  for (const char16_t* table : {kSimplifiedChineseTable, kTraditionalChineseTable}) {
    std::set<wchar_t> characters;
    for (const char16_t* at = table; *at; ++at) {
      if (*at >= 0x2E80 && *at < 0xFFF0 && !(*at >= 0xE000 && *at < 0xF900)) characters.insert(static_cast<wchar_t>(*at));
    }
    ASSERT_GT(characters.size(), 100u);
    std::wstring boxes;
    for (const wchar_t character : characters) {
      const std::wstring drawn = Render(std::wstring(1, character), canvas);
      if (drawn == missing || drawn == blank) boxes.push_back(character);
    }
    EXPECT_TRUE(boxes.empty()) << boxes.size() << " of " << characters.size()
                               << " characters have no glyph under code page " << GetACP();
  }
}

TEST(SkinFont, ChineseTextsGetRealGlyphs) {
  // Two different ideographs must not come out as the same empty box.
  PixelCanvas canvas(40, 24);
  std::wstring first = Render(L"\x8BB0", canvas);   // as in "Remember Me"
  std::wstring second = Render(L"\x4F4F", canvas);
  std::wstring missing = Render(L"\xE000", canvas);  // a private-use character: no font has it
  EXPECT_NE(first, second) << "no CJK font is linked to the skin's face; see docs/skin.md (Fonts)";
  EXPECT_NE(first, missing);
  EXPECT_NE(first.find(L'#'), std::wstring::npos);
}

TEST(SkinFont, AnAmpersandIsDrawnAsItIs) {
  // A device named "R&D NAS" or a share "Tom & Jerry": the "&" is a character, not the mark of
  // an underlined mnemonic.
  PixelCanvas canvas(120, 24);
  const auto platform = [&](const std::wstring& text, UINT prefix) {
    CDC(canvas.Dc()).FillSolidRect(RECT{0, 0, canvas.Width(), canvas.Height()}, RGB(0, 0, 0));
    FontHandle font = CreateSkinFont(kBaseDpi, 18, FW_THIN);
    SelectGuard selected(canvas.Dc(), font.Get());
    RECT rect{0, 0, canvas.Width(), canvas.Height()};
    CDC(canvas.Dc()).DrawText(text, rect, DT_SINGLELINE | prefix, RGB(255, 255, 255));
    std::wstring pixels;
    for (int y = 0; y < canvas.Height(); ++y)
      for (int x = 0; x < canvas.Width(); ++x) pixels.push_back(canvas.Pixel(x, y) == RGB(0, 0, 0) ? L'.' : L'#');
    return pixels;
  };
  for (const std::wstring text : {L"R&D NAS", L"Tom & Jerry"}) {
    const std::wstring drawn = Render(text, canvas);
    EXPECT_EQ(drawn, platform(text, DT_NOPREFIX));
    EXPECT_NE(drawn, platform(text, 0));
  }
}
