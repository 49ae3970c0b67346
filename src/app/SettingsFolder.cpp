#include "app/SettingsFolder.h"

#include "app/AppContext.h"
#include "platform/FileStore.h"

namespace tx80 {

namespace {
constexpr const char* kSettingsFiles[] = {"config.ini", "Macro_EN.dat", "Macro_CN.dat"};
}  // namespace

void PlaceSettings(FileStore& files, AppPaths& paths) {
  if (paths.userDataDirectory.empty() || files.PrepareWritableFolder(paths.programDirectory)) return;
  const std::filesystem::path folder = paths.userDataDirectory / "TX80";
  // Nowhere better: the saves fail and say so, as beside the program.
  if (!files.PrepareWritableFolder(folder)) return;
  for (const char* name : kSettingsFiles) {
    // Copied once: later starts keep the user's own changes.
    if (files.Read(folder / name).status != FileStore::Content::Status::Missing) continue;
    const FileStore::Content shipped = files.Read(paths.programDirectory / name);
    if (shipped.status == FileStore::Content::Status::Read) files.Replace(folder / name, shipped.bytes);
  }
  paths.settingsDirectory = folder;
  paths.configPath = folder / "config.ini";
}

}  // namespace tx80
