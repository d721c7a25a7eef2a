#include "TestApplication.h"

void TestApplication::SetUp()
{
  if (prepare_)
    prepare_();
  application_ = std::make_unique<TApplication>(argc_, argv_);
  application_->SetTitle("ZadiZAPlayer");
}
