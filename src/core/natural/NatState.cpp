#include "natural/NatState.h"

#include "Session.h"

namespace deducto {

void NatState::ShowNatMessage(std::string_view message) {
    if (!QuietMessages) prompts_.ShowMessage(message);
}

}  // namespace deducto
