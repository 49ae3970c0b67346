#include "app/AppContext.h"

namespace tx80 {

AppContext::AppContext(Platform& platform_, std::filesystem::path programDirectory)
    : platform(platform_) {
  paths.programDirectory = std::move(programDirectory);
}

}  // namespace tx80
