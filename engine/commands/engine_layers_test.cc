#include "core/engine_layers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "analysis/preprocessor.h"
#include "commands/command_table.h"
#include "core/dispatch.h"
#include "core/engine.h"
#include "reports/action_diagram.h"
#include "test_support.h"

namespace mora {
namespace {

int gEchoCalls = 0;
std::string gEchoRest;

bool countingEcho(Engine&, std::string_view rest) {
  ++gEchoCalls;
  gEchoRest = std::string(rest);
  return true;
}

// Layers that know one command only: the engine runs whatever its layers
// hand it, and nothing else.
class OneCommandLayers final : public EngineLayers {
 public:
  PreprocessorState& preprocessing() override { return preprocessing_; }
  ActionState& action() override { return action_; }
  CommandHandler commandFor(Token token) const override {
    return token == Token::Echo ? countingEcho : nullptr;
  }
  std::optional<std::vector<std::string>> dependencies(Engine&, const std::string&) override {
    return std::nullopt;
  }
  void release() override {}

 private:
  PreprocessorState preprocessing_;
  ActionState action_;
};

TEST(EngineLayers, TheEngineDispatchesToTheCommandsItsLayersHold) {
  auto platform = makePosixPlatform();
  std::istringstream in;
  std::ostringstream out, err;
  Engine engine(*platform, in, out, err, std::make_unique<OneCommandLayers>());
  engine.settings.cataloguePath = std::string(MORA_PROGRAM_DIR) + "/mora.msg";
  gEchoCalls = 0;
  EXPECT_EQ(dispatchCommand(engine, "echo  hello"), static_cast<int>(Token::Echo));
  EXPECT_EQ(gEchoCalls, 1);
  EXPECT_EQ(gEchoRest, "hello");
  EXPECT_EQ(dispatchCommand(engine, "set echo on"), 0);
  EXPECT_EQ(testing::messageCodes(err.str()), "FIEU002");
}

TEST(EngineLayers, TheProgramHoldsEveryModulesCommands) {
  for (Token token : {Token::Exit, Token::Set, Token::Define, Token::Import, Token::Ftree,
                      Token::Tags, Token::Action, Token::Load})
    EXPECT_NE(handlerFor(token), nullptr) << keywordWord(token);
  for (Token token : {Token::Into, Token::From, Token::Without})
    EXPECT_EQ(handlerFor(token), nullptr) << keywordWord(token);
}

// A row is a command (handler and help topic) or a plain word (neither).
TEST(CommandTable, EveryCommandRowHasAHandlerAndATopicAndNoWordRowHas) {
  for (std::size_t i = 0; i < kKeywordCount; ++i) {
    auto token = static_cast<Token>(i);
    EXPECT_EQ(handlerFor(token) != nullptr, !commandTopic(token).empty()) << keywordWord(token);
  }
}

TEST(CommandTable, SynonymsShareTheirCommandsHandler) {
  std::pair<Token, Token> synonyms[] = {{Token::Bye, Token::Exit},
                                        {Token::H, Token::History},
                                        {Token::Func, Token::Function},
                                        {Token::Cd, Token::Chdir},
                                        {Token::On, Token::Event}};
  for (auto [synonym, command] : synonyms) {
    EXPECT_NE(handlerFor(command), nullptr) << keywordWord(command);
    EXPECT_EQ(handlerFor(synonym), handlerFor(command)) << keywordWord(synonym);
  }
  EXPECT_NE(handlerFor(Token::Ftree), handlerFor(Token::Rtree));
}

}  // namespace
}  // namespace mora
