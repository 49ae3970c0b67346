#pragma once

namespace tx80 {

class FileStore;
struct AppPaths;

// Unzipped under Program Files the program folder cannot be written, and
// every save would fail. Then config.ini and the macro files live in the
// user's application data, in a folder TX80, copied from the program folder
// the first time; the skins are still read beside the program. A writable
// program folder keeps everything beside the program. Run at start, before
// anything is read.
void PlaceSettings(FileStore& files, AppPaths& paths);

}  // namespace tx80
