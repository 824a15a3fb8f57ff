// Points XDG_CONFIG_HOME and XDG_DATA_HOME at a fresh temporary folder for one test, and removes
// it afterwards.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace kestrins::testing {

class TempConfigHome {
public:
    TempConfigHome();
    ~TempConfigHome();
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    const std::string& Path() const { return path_; }
    // The folder the store keeps its files in.
    std::string StoreFolder() const { return path_ + "/hivekit"; }
    // The current user's store file in it.
    std::string StoreFile() const { return StoreFolder() + "/current_user.db"; }
    // The folder the game record keeps its database in.
    std::string RecordFolder() const { return path_ + "/kestrins"; }

private:
    std::string path_;
    // XDG_CONFIG_HOME and XDG_DATA_HOME as they were; nothing when unset.
    std::array<std::optional<std::string>, 2> previous_;
};

}  // namespace kestrins::testing
