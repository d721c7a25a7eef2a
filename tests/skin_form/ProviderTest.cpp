#include "FormFixture.h"

#include "skin/form/TsSkinProvider.h"
#include "skin/form/TsTitleBar.h"

TEST_F(FormTest, Debug)
{
  ActivateBlackBox();
  form_->SetCaption("ZadiZAPlayer - http://www.zadiza.cz - Hrajeme svobodnou hudbu ...");
  auto* bar = new TsTitleBar(form_.get());
  bar->SetShowCaption(true);
  auto* provider = new TsSkinProvider(form_.get());
  const QImage image = Paint(*provider);
  image.save("/tmp/i13-unit.png");
  const QRect text = provider->CaptionTextRect();
  printf("text %d %d %d %d bar %d %d\n", text.left(), text.top(), text.width(), text.height(),
         provider->Layout().TitleBar.left(), provider->Layout().TitleBar.width());
}
