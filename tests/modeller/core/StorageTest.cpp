// The tagged text of the rider, the class registry and the file and clipboard riders.
#include <sys/stat.h>

#include "TestSupport.h"
#include "modeller/core/Storage.h"
#include "platform/StringList.h"

using namespace modeller;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

// A storable with one field of each kind, and a subclass adding its own after the inherited ones.
class TSample : public TStorable {
 public:
  using TStorable::TStorable;
  std::string ClassName() const override { return "TSample"; }
  int Number = 0;
  std::string Text;
  void Store(TRider& rider) const override {
    TStorable::Store(rider);
    rider.WriteInteger(Number);
    rider.WriteString(Text);
  }
  void Load(TRider& rider) override {
    TStorable::Load(rider);
    Number = rider.ReadInteger();
    Text = rider.ReadString();
  }
};

class TFlaggedSample : public TSample {
 public:
  using TSample::TSample;
  std::string ClassName() const override { return "TFlaggedSample"; }
  bool Flag = false;
  void Store(TRider& rider) const override {
    TSample::Store(rider);
    rider.WriteBoolean(Flag);
  }
  void Load(TRider& rider) override {
    TSample::Load(rider);
    Flag = rider.ReadBoolean();
  }
};

void RegisterSamples() {
  static bool done = false;
  if (done) return;
  RegisterStorableClass(ClassOf<TSample>());
  RegisterStorableClass(ClassOf<TFlaggedSample>());
  done = true;
}

std::vector<std::string> LinesOf(const TRider& rider) { return platform::SplitLines(rider.Text()); }

// A rider over the given lines, read from the start.
void Fill(TRider& rider, std::vector<std::string> lines) {
  rider.SetText(platform::TStringList(std::move(lines)).Text());
}

template <class E>
std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& error) {
    return error.Message();
  }
  return "(no error)";
}

}  // namespace

class Rider : public testsupport::ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    RegisterSamples();
  }
};

TEST_F(Rider, WritesTagAndValueLinesWithInheritedFieldsFirst) {
  TRider rider;
  TFlaggedSample sample;
  sample.Number = -42;
  sample.Text = "";
  sample.Flag = true;
  rider.WriteInteger(5);
  rider.WriteString("noname");
  rider.WriteObject(&sample);
  EXPECT_EQ(LinesOf(rider),
            (std::vector<std::string>{"<integer>", "5", "<string>", "noname", "<storable>", "<string>",
                                      "TFlaggedSample", "<integer>", "-42", "<string>", "", "<boolean>",
                                      "TRUE"}));
  EXPECT_EQ(rider.Position(), 13);

  rider.Reset();
  EXPECT_EQ(rider.ReadInteger(), 5);
  EXPECT_EQ(rider.ReadString(), "noname");
  std::unique_ptr<TStorable> read(rider.ReadObject());
  auto* copy = dynamic_cast<TFlaggedSample*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Number, -42);
  EXPECT_EQ(copy->Text, "");
  EXPECT_TRUE(copy->Flag);
  EXPECT_EQ(rider.Position(), 13);
}

TEST_F(Rider, LineBreaksInsideStringsAreWrittenAsBlanks) {
  TRider rider;
  rider.WriteString("one\r\ntwo\rthree\nfour");
  EXPECT_EQ(LinesOf(rider), (std::vector<std::string>{"<string>", "one  two three four"}));
}

TEST_F(Rider, BooleansAreTrueOnlyForExactlyTRUE) {
  TRider rider;
  Fill(rider, {"<boolean>", "TRUE", "<boolean>", "true", "<boolean>", "1", "<boolean>", "FALSE"});
  EXPECT_TRUE(rider.ReadBoolean());
  EXPECT_FALSE(rider.ReadBoolean());
  EXPECT_FALSE(rider.ReadBoolean());
  EXPECT_FALSE(rider.ReadBoolean());
}

TEST_F(Rider, MalformedItemsRaiseTheirErrors) {
  TRider rider;
  Fill(rider, {"<string> ", "x"});
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { rider.ReadString(); }), "Invalid Signature!");

  Fill(rider, {"<string>", "noname"});
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { rider.ReadInteger(); }), "Invalid Signature!");
  EXPECT_EQ(rider.Position(), 1) << "only the tag line is consumed";

  Fill(rider, {"<integer>", "12a"});
  EXPECT_EQ(ErrorOf<platform::EConvertError>([&] { rider.ReadInteger(); }), "'12a' is not a valid integer value");

  Fill(rider, {"<integer>", "5"});
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { rider.ReadObject(); }), "Invalid Signature!");

  Fill(rider, {"<storable>", "<string>", "TNoSuchThing"});
  EXPECT_EQ(ErrorOf<EClassRegisterError>([&] { rider.ReadObject(); }), "There is no such class!");

  Fill(rider, {"<real>"});
  EXPECT_EQ(rider.ReadTag(), tcReal);

  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { rider.WriteTag(5); }), "Invalid Signature!");
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { rider.WriteTag(-1); }), "Invalid Signature!");

  rider.Clear();
  EXPECT_EQ(ErrorOf<ERiderWriteError>([&] { rider.WriteObject(nullptr); }), "Can not store \"nil\" Object");
  EXPECT_EQ(rider.Text(), "") << "nothing is appended";
}

TEST_F(Rider, DataEndingEarlyRaisesTheReadError) {
  TRider rider;
  const std::vector<std::vector<std::string>> shortTexts = {
      {}, {"<integer>"}, {"<storable>"}, {"<storable>", "<string>"}, {"<storable>", "<string>", "TSample"},
      {"<storable>", "<string>", "TSample", "<integer>", "3", "<string>"}};
  for (const auto& lines : shortTexts) {
    Fill(rider, lines);
    EXPECT_EQ(ErrorOf<ERiderReadError>([&] {
                if (!lines.empty() && lines[0] == "<integer>")
                  rider.ReadInteger();
                else
                  delete rider.ReadObject();
              }),
              "Unexpected end of data!")
        << lines.size() << " lines";
  }
}

TEST_F(Rider, CountsOutsideTheirLimitsAreRefused) {
  TRider rider;
  Fill(rider, {"<integer>", "-1", "<integer>", "257", "<integer>", "256"});
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { ReadCount(rider, 256); }), "Count out of range!");
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { ReadCount(rider, 256); }), "Count out of range!");
  EXPECT_EQ(ReadCount(rider, 256), 256);
}

TEST(Registry, RegistersInOrderFindsExactNamesAndHoldsAtMost256) {
  TStorableRegistry registry;
  EXPECT_EQ(ErrorOf<EClassRegisterError>([&] { registry.Register(nullptr); }), "Can not \"nil\" Class Attach!");
  registry.Register(ClassOf<TSample>());
  registry.Register(ClassOf<TFlaggedSample>());
  registry.Register(ClassOf<TSample>());
  EXPECT_EQ(registry.Count(), 3);
  EXPECT_EQ(registry.Entry(1).Name, "TFlaggedSample");
  EXPECT_EQ(registry.Find("TFlaggedSample"), ClassOf<TFlaggedSample>());
  EXPECT_EQ(registry.Find("tsample"), nullptr);
  while (registry.Count() < TStorableRegistry::Capacity) registry.Register(ClassOf<TSample>());
  EXPECT_EQ(ErrorOf<ERangeError>([&] { registry.Register(ClassOf<TSample>()); }), "Range check error");
  EXPECT_EQ(registry.Count(), 256);
}

TEST_F(Rider, FileRiderReadsAnyLineEndAndNeverWritesBack) {
  std::string name = temp_.File("model.zel");
  WriteFile(name, "<integer>\n7\r<string>\r\nx");
  {
    TFileRider rider(name, rmRead);
    EXPECT_EQ(rider.ReadInteger(), 7);
    EXPECT_EQ(rider.ReadString(), "x");
  }
  EXPECT_EQ(ReadFile(name), "<integer>\n7\r<string>\r\nx") << "a reader leaves its file alone";

  EXPECT_EQ(ErrorOf<ERiderError>([&] { TFileRider missing(temp_.File("none.zel"), rmRead); }), "File not found.");
  EXPECT_FALSE(platform::FileExists(temp_.File("none.zel")));
}

TEST_F(Rider, FileRiderSavesCrLfAndAFailedSaveKeepsTheOldFile) {
  std::string name = temp_.File("out.zel");
  {
    TFileRider rider(name, rmWrite);
    rider.WriteInteger(1);
    rider.WriteString("a");
    EXPECT_FALSE(platform::FileExists(name)) << "nothing is written before Save";
    rider.Save();
  }
  EXPECT_EQ(ReadFile(name), "<integer>\r\n1\r\n<string>\r\na\r\n");

  std::string folder = temp_.File("ro");
  mkdir(folder.c_str(), 0755);
  WriteFile(folder + "/keep.zel", "old");
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(folder));
  TFileRider rider(folder + "/keep.zel", rmWrite);
  rider.WriteInteger(2);
  EXPECT_THROW(rider.Save(), platform::EFCreateError);
  testsupport::MakeFolderWritable(folder);
  EXPECT_EQ(ReadFile(folder + "/keep.zel"), "old");
}

TEST_F(Rider, ClipBoardRiderCountsObjectsAndGivesThemItsGraph) {
  TClipBoardRider clipboard;
  TSample owner;
  TSample sample;
  sample.Number = 3;
  clipboard.WriteObject(&sample);
  clipboard.WriteObject(&sample);
  EXPECT_EQ(clipboard.Count(), 2);
  clipboard.Reset();
  clipboard.Graph = &owner;
  std::unique_ptr<TStorable> read(clipboard.ReadObject());
  EXPECT_EQ(read->Owner(), &owner);
  EXPECT_EQ(clipboard.Count(), 2) << "Reset keeps the count";
  clipboard.Clear();
  EXPECT_EQ(clipboard.Count(), 0);
  EXPECT_EQ(clipboard.Rider().Text(), "");
  EXPECT_EQ(&ClipBoardRider(), &ClipBoardRider());
}

TEST_F(Rider, DeeplyNestedObjectsAreRefused) {
  class TNested : public TStorable {
   public:
    using TStorable::TStorable;
    std::string ClassName() const override { return "TNestedSample"; }
    std::unique_ptr<TStorable> Inner;
    void Load(TRider& rider) override {
      if (rider.ReadBoolean()) Inner.reset(rider.ReadObject());
    }
  };
  TStorableRegistry& registry = StorableRegistry();
  if (registry.Find("TNestedSample") == nullptr) registry.Register(ClassOf<TNested>());
  auto nested = [](int depth) {
    std::vector<std::string> lines;
    for (int i = 0; i < depth; ++i)
      lines.insert(lines.end(), {"<storable>", "<string>", "TNestedSample", "<boolean>", i + 1 < depth ? "TRUE" : "FALSE"});
    return lines;
  };
  TRider rider;
  Fill(rider, nested(TRider::MaxNesting));
  delete rider.ReadObject();
  Fill(rider, nested(TRider::MaxNesting + 1));
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { delete rider.ReadObject(); }), "Objects are nested too deeply!");
}

TEST_F(Rider, ReadsLinesEndedByCrLfCrOrLfAndKeepsThemAsCrLf) {
  TRider rider;
  rider.SetText("<integer>\n5\r<string>\r\n\n<boolean>\r\nTRUE");
  EXPECT_EQ(rider.ReadInteger(), 5);
  EXPECT_EQ(rider.ReadString(), "");
  EXPECT_TRUE(rider.ReadBoolean());
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { rider.ReadTag(); }), kUnexpectedEnd);
  EXPECT_EQ(rider.Text(), "<integer>\r\n5\r\n<string>\r\n\r\n<boolean>\r\nTRUE\r\n");
}
