#include "FormFixture.h"

#include <QFontMetrics>

#include "platform/Exception.h"
#include "skin/form/TsSkinProvider.h"
#include "skin/form/TsTitleBar.h"

namespace {

// A flat skin: frame 0x302010, title 0x405060 (as RGB), and optionally an opaque "CAPTION".
std::string FlatSkin(bool caption)
{
  std::string sections = "[FORM]\nSTATES=2\nCOLOR=3153936\nHOTCOLOR=3153936\n"
                         "[FORMTITLE]\nSTATES=2\nCOLOR=6312000\nHOTCOLOR=6312000\nFONTCOLOR=16777215\n"
                         "HOTFONTCOLOR=16777215\n";
  if (caption)
    sections += "[CAPTION]\nSTATES=2\nCOLOR=65280\nHOTCOLOR=65280\n";
  return sections;
}

constexpr unsigned kTitle = 0x405060, kCaptionFace = 0x00FF00;

}  // namespace

TEST_F(FormTest, MainWindowGetsCloseAndMinimiseButtonsFromTheSkin)
{
  TsSkinManager* manager = ActivateBlackBox();
  auto* provider = new TsSkinProvider(form_.get());
  ASSERT_EQ(form_->NonClientHandler(), provider);
  const TacCaptionLayout& layout = provider->Layout();
  EXPECT_TRUE(layout.Max.isEmpty());
  // BIRIGHT 2, frame 3, BISPACE 1; the masks' frames are 27 x 19.
  EXPECT_EQ(layout.Close, QRect(467 - 2 - 3 - 27, layout.Close.top(), 27, 19));
  EXPECT_EQ(layout.Min, QRect(435 - 1 - 27, layout.Close.top(), 27, 19));
  EXPECT_EQ(provider->HitTest(layout.Close.center()), HTCLOSE);
  EXPECT_EQ(provider->HitTest(layout.Min.center()), HTMINBUTTON);
  EXPECT_EQ(provider->HitTest(QPoint(100, 10)), HTCAPTION);

  const TacSkinTables& tables = manager->Tables();
  const TsMaskData& close = tables.Masks[size_t(tables.GlobalMask("BICONCLOSE"))];
  ASSERT_NE(tables.GlobalMask("BICLOSEALONE"), -1);  // there, but not for a window with a minimise button
  const auto matchesFrame = [&](const QImage& image, int frame) {
    const TBitmap32& master = *tables.MaskPicture(close);
    int compared = 0;
    for (int y = 0; y < 19; ++y)
      for (int x = 0; x < 27; ++x) {
        const uint8_t* p = master.Scanline(close.Area.Top + y) + (close.Area.Left + 27 * frame + x) * 4;
        const unsigned colour = unsigned(p[2]) << 16 | unsigned(p[1]) << 8 | p[0];
        if (colour == 0xFF00FF)
          continue;
        ++compared;
        if (PixelAt(image, layout.Close.left() + x, layout.Close.top() + y) != colour)
          return false;
      }
    return compared > 200;
  };
  EXPECT_TRUE(matchesFrame(Paint(*provider), 0));
  provider->SetButtonStates(HTCLOSE, HTNOWHERE);  // hover
  EXPECT_TRUE(matchesFrame(Paint(*provider), 1));
  provider->SetButtonStates(HTCLOSE, HTCLOSE);  // held down over it
  EXPECT_TRUE(matchesFrame(Paint(*provider), 2));
  provider->SetButtonStates(HTNOWHERE, HTCLOSE);  // held, moved off
  EXPECT_TRUE(matchesFrame(Paint(*provider), 0));

  manager->SetActive(false);  // the skin goes: the standard look comes back
  EXPECT_EQ(form_->NonClientHandler(), nullptr);
}

TEST_F(FormTest, CaptionTextLiesOnTheCaptionFaceOrOnTheTitle)
{
  form_->SetCaption("Hello");
  for (bool withCaption : {true, false}) {
    const std::string name = withCaption ? "WithCaption" : "WithoutCaption";
    WriteSkin(name, FlatSkin(withCaption));
    TsSkinManager* manager = ActivateSkin(name);
    auto* provider = new TsSkinProvider(form_.get());
    const QImage image = Paint(*provider);
    const QRect text = provider->CaptionTextRect();
    const int middle = text.top() + text.height() / 2;
    // The face reaches 4 pixels left of the text, not 6.
    EXPECT_EQ(PixelAt(image, text.left() - 3, middle), withCaption ? kCaptionFace : kTitle) << name;
    EXPECT_EQ(PixelAt(image, text.left() - 6, middle), kTitle) << name;
    int ink = 0;
    for (int x = text.left(); x < text.left() + 40; ++x)
      for (int y = text.top(); y < text.top() + text.height(); ++y)
        ink += qGray(image.pixel(x, y)) > 200;  // the white font colour
    EXPECT_GT(ink, 10) << name << ": no text";
    delete provider;
    delete manager;
  }
}

TEST_F(FormTest, LongCaptionEndsWithAnEllipsis)
{
  WriteSkin("Flat", FlatSkin(false));
  ActivateSkin("Flat");
  const std::string caption(200, 'W');
  form_->SetCaption(caption);
  auto* provider = new TsSkinProvider(form_.get());
  const QImage long_ = Paint(*provider);
  const QString elided = QFontMetrics(TsSkinProvider::CaptionFont())
                             .elidedText(QString::fromStdString(caption), Qt::ElideRight,
                                         provider->CaptionTextRect().width());
  ASSERT_TRUE(elided.endsWith(QChar(0x2026)));
  form_->SetCaption(elided.toStdString());
  EXPECT_EQ(Paint(*provider), long_);
  form_->SetCaption(elided.chopped(1).toStdString());  // without the ellipsis it differs
  EXPECT_NE(Paint(*provider), long_);
}

TEST_F(FormTest, OneProviderPerForm)
{
  new TsSkinProvider(form_.get());
  EXPECT_THROW(
      {
        try {
          TsSkinProvider second(form_.get());
        } catch (const Exception& error) {
          EXPECT_STREQ(error.what(), "Only one instance of the TsSkinProvider component is allowed!");
          throw;
        }
      },
      Exception);
  TComponent owner(nullptr);
  EXPECT_THROW(TsSkinProvider provider(&owner), Exception);
}

TEST_F(FormTest, ItemChangesReachTheSkinnedCaption)
{
  ActivateBlackBox();
  form_->SetCaption("Caption");
  auto* bar = new TsTitleBar(form_.get());
  bar->SetShowCaption(true);
  TacTitleBarItem& quality = bar->AddItem();
  quality.SetAlign(TacItemAlign::tbaRight);
  quality.SetStyle(TacBtnStyle::bsMenu);
  quality.SetWidth(65);
  quality.SetVisible(false);
  auto* provider = new TsSkinProvider(form_.get());
  ASSERT_EQ(provider->TitleBar(), bar);
  const QRect hidden = provider->CaptionTextRect();
  const QImage before = Paint(*provider);
  EXPECT_TRUE(quality.Rect.isEmpty());

  quality.SetVisible(true);  // tells the provider (skin command 62): laid out and painted anew
  EXPECT_EQ(quality.Rect.left() + quality.Rect.width(), provider->Layout().TitleBar.right() + 1);
  EXPECT_EQ(provider->CaptionTextRect().width(), hidden.width() - 65);
  const QImage shown = Paint(*provider);
  EXPECT_NE(shown.copy(quality.Rect), before.copy(quality.Rect));

  quality.SetEnabled(false);  // drawn at half strength over the caption behind it
  const QImage disabled = Paint(*provider);
  // On the menu arrow, which lies at the item's right end.
  const QPoint probe = quality.Rect.topLeft() + QPoint(quality.Rect.width() - 4 - 17 / 2, quality.Rect.height() / 2);
  ASSERT_NE(before.pixel(probe), shown.pixel(probe));
  for (int channel = 16; channel >= 0; channel -= 8) {
    const int behind = int(before.pixel(probe) >> channel & 0xFF), face = int(shown.pixel(probe) >> channel & 0xFF);
    EXPECT_NEAR(int(disabled.pixel(probe) >> channel & 0xFF), (behind + face) / 2, 1);
  }
}
