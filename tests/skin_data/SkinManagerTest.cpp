// TsSkinManager: the change sequence, where skins come from, failures and their
// messages, the version check, listeners and the default manager.
#include "SkinFixture.h"

#include "platform/Colors.h"
#include "skin/core/PackedSkin.h"
#include "skin/core/SkinEngine.h"
#include "skin/core/SkinManager.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

namespace {

struct Message {
  TacMessageKind Kind;
  std::string Text;
};

// A form or control that logs the commands it gets; it leaves the manager when destroyed.
class Recorder : public TacSkinListener {
public:
  Recorder(std::string name, std::vector<std::string>& log, TsSkinManager& manager)
      : name_(std::move(name)), log_(log), manager_(manager)
  {
  }
  ~Recorder() { manager_.Unregister(this); }
  void SkinCommand(int code, int, TsSkinManager*) override
  {
    log_.push_back(name_ + ":" + std::to_string(code));
    if (onCommand)
      onCommand();
  }
  std::function<void()> onCommand;

private:
  std::string name_;
  std::vector<std::string>& log_;
  TsSkinManager& manager_;
};

std::string Options(const std::string& version, const std::string& author)
{
  return "[GLOBALINFO]\nVERSION=" + version + "\nAUTHOR=" + author + "\nCOLOR=4\n[PANEL]\nCOLOR=255\n";
}

class SkinManager : public ::testing::Test {
protected:
  void SetUp() override
  {
    SetSkinProgramDirectory(program.Str());
    InitSkinEngine({});
    SetSkinMessageHook([this](TacMessageKind kind, const std::string& text) { messages.push_back({kind, text}); });
    manager.SetActive(false);
    manager.SetSkinDirectory(program.Str() + "Skins");
    const auto note = [this](const char* name) { return [this, name](TObject*) { events.push_back(name); }; };
    manager.OnBeforeChange = note("before");
    manager.OnActivate = note("activate");
    manager.OnAfterChange = note("after");
    manager.OnDeactivate = note("deactivate");
    manager.OnSkinListChanged = note("list");
  }
  void TearDown() override { SetSkinMessageHook(nullptr); }

  void FolderSkin(const std::string& name, const std::string& options)
  {
    WriteText(program.Path() / "Skins" / name / "Options.dat", options);
  }
  void PackedSkin(const std::string& name, const std::string& options)
  {
    WriteBytes(program.Path() / "Skins" / (name + ".asz"),
               WritePackedSkin({{"Options.dat", false, std::vector<uint8_t>(options.begin(), options.end())}}));
  }
  void Activate(const std::string& name)
  {
    manager.SetSkinName(name);
    manager.SetActive(true);
  }

  // Declared last, destroyed first: its destructor still raises OnDeactivate into `events`.
  TempDir program;
  std::vector<Message> messages;
  std::vector<std::string> events;
  TsSkinManager manager;
};

// A comma as decimal separator for C++ streams and, where the system can make
// one, for the C library too.
class CommaLocale {
public:
  CommaLocale() : previous_(std::locale::global(std::locale(std::locale::classic(), new Comma)))
  {
    for (const char* name : {"de_DE.UTF-8", "cs_CZ.UTF-8", "de_DE.utf8"})
      if (std::setlocale(LC_NUMERIC, name))
        break;
  }
  ~CommaLocale()
  {
    std::locale::global(previous_);
    std::setlocale(LC_NUMERIC, "C");
  }

private:
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  std::locale previous_;
};

}  // namespace

TEST_F(SkinManager, ActivationLoadsTheFolderSkinWithEventsInOrder)
{
  FolderSkin("Dark", Options("8", "folder"));
  std::vector<std::string> log;
  Recorder form("form", log, manager);
  manager.Register(&form);
  manager.SetSkinName("Dark");
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  manager.SetActive(true);
  EXPECT_EQ(events, (std::vector<std::string>{"before", "activate", "after"}));
  EXPECT_EQ(log, (std::vector<std::string>{"form:1", "form:16", "form:3"}));
  EXPECT_EQ(manager.SkinInfo(), "8");
  EXPECT_EQ(manager.SkinData().Author, "folder");
  EXPECT_TRUE(manager.SkinData().InForce);
  EXPECT_FALSE(manager.PackedSource());
  EXPECT_EQ(manager.SkinData().PicturePath, program.Str() + "Skins/Dark/");
  EXPECT_EQ(manager.GlobalColor(), 4);
  manager.SetActive(false);
  EXPECT_EQ(log.back(), "form:2");
  EXPECT_EQ(events.back(), "deactivate");
  EXPECT_EQ(manager.FindSection("PANEL"), -1);
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_TRUE(messages.empty());
}

TEST_F(SkinManager, PackedFileWinsAndLosesItsSuffix)
{
  FolderSkin("Both", Options("8", "folder"));
  PackedSkin("Both", Options("8", "packed"));
  Activate("Both.ASZ");
  EXPECT_EQ(manager.SkinName(), "Both");
  EXPECT_TRUE(manager.PackedSource());
  EXPECT_EQ(manager.SkinData().Author, "packed");
  EXPECT_EQ(manager.SkinData().PicturePath, program.Str() + "Skins/");
}

TEST_F(SkinManager, SkinDirectoryChangeOnlyAnnouncesTheList)
{
  const std::string directory = manager.SkinDirectory();
  manager.SetSkinDirectory(directory);
  EXPECT_TRUE(events.empty());
  manager.SetSkinDirectory("Skins");
  EXPECT_EQ(events, (std::vector<std::string>{"list"}));
  EXPECT_EQ(manager.ResolvedSkinDirectory(), program.Str() + "Skins");
  EXPECT_EQ(manager.SkinData().PicturePath, program.Str() + "Skins/");
}

TEST_F(SkinManager, MissingSkinSwitchesOffSilently)
{
  Activate("Nowhere");
  EXPECT_FALSE(manager.Active());
  EXPECT_EQ(manager.SkinName(), "Nowhere");
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(events, (std::vector<std::string>{"before", "activate", "after"}));
}

TEST_F(SkinManager, FailedLoadKeepsThePreviousSkinAndReports)
{
  FolderSkin("Good", Options("8", "good"));
  WriteText(program.Path() / "Skins" / "Bad.asz", "not a container");
  FolderSkin("Broken", Options("8", "broken") + "BORDERSMASK=^00x0\n");
  Activate("Good");
  for (const char* name : {"Bad", "Broken"}) {
    messages.clear();
    manager.SetSkinName(name);
    EXPECT_EQ(manager.SkinName(), "Good");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Kind, TacMessageKind::Error);
    EXPECT_EQ(manager.SkinData().Author, "good");
    EXPECT_GE(manager.FindSection("PANEL"), 0);
    EXPECT_TRUE(manager.SkinData().InForce);
  }
  manager.SetSkinName("Bad");
  EXPECT_EQ(manager.LastError(), "Loaded data is not a packed skin file");
}

TEST_F(SkinManager, VersionIsReadWithADotInACommaLocale)
{
  const CommaLocale comma;
  FolderSkin("Old", Options("7.5", "x"));
  Activate("Old");
  EXPECT_TRUE(messages.empty());
  EXPECT_DOUBLE_EQ(manager.SkinData().Version, 7.5);
  EXPECT_EQ(manager.SkinInfo(), "7.5");
}

TEST_F(SkinManager, VersionCheckMessages)
{
  FolderSkin("New", Options("9.1", "x"));
  FolderSkin("Ancient", Options("6.5", "x"));
  Activate("New");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Kind, TacMessageKind::Warning);
  EXPECT_EQ(messages[0].Text, "This version of the skin have not complete support by used skin engine release.\r\n"
                              "Components must be updated up to latest version for using this skin.");
  EXPECT_EQ(manager.SkinningRules, srStdForms | srStdDialogs | srThirdParty);
  EXPECT_GE(manager.FindSection("PANEL"), 0);
  messages.clear();
  manager.SetSkinName("Ancient");
  EXPECT_TRUE(messages.empty());
  InitSkinEngine({"/ACTEST"});
  manager.SetSkinName("Ancient");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text.find("You are using an old version of the \"Ancient\" skin."), 0u);
  EXPECT_NE(messages[0].Text.find("\r\n\r\nThis notification occurs in design-time only"), std::string::npos);
}

TEST_F(SkinManager, StoredSkinsServeWhenNoFileExists)
{
  const std::string options = Options("8", "stored");
  TsStoredSkin stored;
  stored.Name = "Inside";
  stored.Data = WritePackedSkin({{"Options.dat", false, std::vector<uint8_t>(options.begin(), options.end())}});
  manager.InternalSkins = {stored};
  Activate("Other");
  EXPECT_EQ(manager.SkinName(), "Inside");
  EXPECT_TRUE(manager.PackedSource());
  EXPECT_EQ(manager.SkinData().Author, "stored");
  manager.InternalSkins.push_back({});
  manager.InternalSkins.back().Name = "Empty";
  manager.SetSkinName("Empty");
  EXPECT_EQ(manager.SkinName(), "Inside");
  ASSERT_EQ(messages.size(), 1u);
}

TEST_F(SkinManager, ListSkinsFindsStoredFoldersAndPackedFiles)
{
  FolderSkin("Zeta", "");
  PackedSkin("Alpha.v2", "");
  fs::create_directories(program.Path() / "Skins" / "NoOptions");
  manager.InternalSkins.push_back({});
  manager.InternalSkins.back().Name = "Mid";
  std::vector<std::string> list;
  EXPECT_EQ(manager.ListSkins(list, 2), "Mid");
  EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "Mid", "Zeta"}));
  manager.ListSkins(list, 0);
  EXPECT_EQ(list, (std::vector<std::string>{"Mid", "Zeta"}));
  manager.ListSkins(list, 1);
  EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "Mid"}));
}

TEST_F(SkinManager, ListenersHearFormsLastFirstEachWithItsControls)
{
  FolderSkin("Dark", Options("8", "x"));
  std::vector<std::string> log;
  Recorder form1("f1", log, manager), button("b", log, manager), panel("p", log, manager), label("l", log, manager),
      form2("f2", log, manager);
  manager.Register(&form1);
  manager.Register(&panel, &form1);
  manager.Register(&form2);
  manager.Register(&label, &panel);
  manager.Register(&button, &form1);
  form2.onCommand = [&] { manager.Unregister(&label); };
  manager.SetSkinName("Dark");
  manager.SetActive(true);
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 4),
            (std::vector<std::string>{"f2:1", "f1:1", "p:1", "b:1"}));
  log.clear();
  manager.SetActiveControl(&button);
  manager.SetActiveControl(&panel);
  EXPECT_EQ(log, (std::vector<std::string>{"b:29", "b:30", "p:29"}));
}

TEST_F(SkinManager, HueChangeReloadsAndRepaints)
{
  FolderSkin("Dark", Options("8", "x"));
  Activate("Dark");
  std::vector<std::string> log;
  Recorder form("form", log, manager);
  manager.Register(&form);
  manager.SetHueOffset(120);
  EXPECT_EQ(log, (std::vector<std::string>{"form:16", "form:3"}));
  EXPECT_EQ(manager.Tables().Sections[manager.FindSection("PANEL")].States[0].Color, 0x00FF00);
}

TEST_F(SkinManager, SelectionColoursFallBackThroughMenuItem)
{
  FolderSkin("Sel", "[GLOBALINFO]\nVERSION=8\n[MENUITEM]\nSTATES=2\nHOTCOLOR=77\nHOTFONTCOLOR=16711935\n");
  Activate("Sel");
  EXPECT_EQ(manager.SelectionColor(false), 77);
  EXPECT_EQ(manager.SelectionFontColor(false), clHighlightText);
  EXPECT_EQ(manager.EditFontColor(), clWindowText);
}

TEST(SkinEngine, VersionParameterShowsTheEngineVersion)
{
  std::vector<std::string> texts;
  SetSkinMessageHook([&](TacMessageKind, const std::string& text) { texts.push_back(text); });
  InitSkinEngine({"/x", "/AcVer"});
  InitSkinEngine({"/acverx"});
  SetSkinMessageHook(nullptr);
  InitSkinEngine({});
  EXPECT_EQ(texts, (std::vector<std::string>{"Skin engine v8.18"}));
}

TEST(SkinEngine, TheFirstManagerIsTheDefaultUntilAnotherTakesOver)
{
  ASSERT_EQ(DefaultManager(), nullptr);
  TsSkinManager first;
  EXPECT_TRUE(first.IsDefault());
  {
    TsSkinManager second;
    EXPECT_FALSE(second.IsDefault());
    second.SetIsDefault(true);
    EXPECT_EQ(DefaultManager(), &second);
  }
  EXPECT_EQ(DefaultManager(), nullptr);
}

TEST_F(SkinManager, LoadedFillsDefaultsAndAppliesAnActiveSkin)
{
  FolderSkin("Dark", Options("8", "x"));
  Activate("Dark");
  std::vector<std::string> log;
  Recorder form("form", log, manager);
  manager.Register(&form);
  manager.MenuSupport.IcoLineSkin.clear();
  manager.ThirdParty.Texts[0].clear();
  manager.ThirdParty.Texts[1].clear();
  manager.ThirdParty.Texts[2] = "TMyBitBtn\r\nTOtherBtn";
  events.clear();
  manager.Loaded();
  EXPECT_EQ(manager.MenuSupport.IcoLineSkin, "ICOLINE");
  const std::vector<std::vector<std::string>> lists = manager.ThirdParty.Lists();
  ASSERT_EQ(lists.size(), 21u);
  EXPECT_EQ(lists[0], (std::vector<std::string>{" "}));
  EXPECT_EQ(lists[1], (std::vector<std::string>{"TButton"}));
  EXPECT_EQ(lists[2], (std::vector<std::string>{"TMyBitBtn", "TOtherBtn"}));
  EXPECT_EQ(log, (std::vector<std::string>{"form:1"}));
  EXPECT_EQ(events, (std::vector<std::string>{"activate"}));
}

TEST_F(SkinManager, PreviewDataIsShownOnceAndNotKept)
{
  FolderSkin("Edited", Options("8", "on disk"));
  std::vector<std::string> log;
  Recorder form("form", log, manager);
  manager.Register(&form);
  Activate("Edited");
  log.clear();
  manager.ReceivePreview("Edited", program.Str() + "Skins", Options("8", "from editor"));
  EXPECT_EQ(manager.SkinData().Author, "from editor");
  EXPECT_EQ(std::count(log.begin(), log.end(), "form:1"), 1);
  manager.SetSkinName("Edited");
  EXPECT_EQ(manager.SkinData().Author, "on disk");
}
