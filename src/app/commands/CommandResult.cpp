#include "app/commands/CommandResult.h"

namespace tx80 {

std::u16string ReplyText(const CommandResult& result) {
  return std::u16string(1, static_cast<char16_t>(u'0' + result.exitCode)) + u'\n' + result.output;
}

std::optional<CommandResult> ParseReply(std::u16string_view reply) {
  if (reply.size() < 2 || reply[0] < u'0' || reply[0] > u'9' || reply[1] != u'\n') return std::nullopt;
  return CommandResult{reply[0] - u'0', std::u16string(reply.substr(2))};
}

}  // namespace tx80
