// The program assembled: the engine with every layer's run state and the
// whole command table.
#include <memory>

#include "analysis/preprocessor.h"
#include "commands/command_table.h"
#include "core/engine.h"
#include "reports/action_diagram.h"
#include "reports/include_tree.h"

namespace mora {

namespace {

class AssembledLayers final : public EngineLayers {
 public:
  PreprocessorState& preprocessing() override { return preprocessing_; }
  ActionState& action() override { return action_; }
  CommandHandler commandFor(Token token) const override { return handlerFor(token); }
  std::optional<std::vector<std::string>> dependencies(Engine& e,
                                                       const std::string& file) override {
    return mora::dependencies(e, file);
  }
  void release() override { preprocessing_.defines.clear(); }

 private:
  PreprocessorState preprocessing_;
  ActionState action_;
};

}  // namespace

Engine::Engine(Platform& platform, std::istream& in, std::ostream& out, std::ostream& err)
    : Engine(platform, in, out, err, std::make_unique<AssembledLayers>()) {}

}  // namespace mora
