#include "TestApplication.h"

void TestApplication::SetUp()
{
  application_ = std::make_unique<TApplication>(argc_, argv_);
  application_->SetTitle("ZadiZAPlayer");
}
