// Formats the library's messages and hands them to the message function or standard error.
#include "messages.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <set>

namespace kestrins::hivekit {

namespace {

std::atomic<HivekitMessageFunction> messageTarget{nullptr};

void ShowMessage(const char* caption, const std::string& text) {
    if (HivekitMessageFunction target = messageTarget.load(); target != nullptr) {
        target(caption, text.c_str());
    } else {
        std::fprintf(stderr, "%s: %s\n", caption, text.c_str());
    }
}

}  // namespace

void SetMessageTarget(HivekitMessageFunction function) {
    messageTarget.store(function);
}

void ShowLimitMessage(std::size_t storedSize) {
    ShowMessage("制限",
                "このDLLは\n2KB以上のテキストデータを読み込めない仕様になっています。\n"
                "読み込もうとしているデータ量は " +
                    std::to_string(storedSize) + " バイトです。");
}

void ShowDamagedStoreMessage(const std::string& path) {
    static std::mutex toldMutex;
    static std::set<std::string> told;
    {
        const std::lock_guard<std::mutex> lock(toldMutex);
        if (!told.insert(path).second) {
            return;
        }
    }
    ShowMessage("Hivekit", "設定ファイルが壊れているため読み込めません。\n" + path +
                               "\n保存されていた値の代わりに既定の値を使います。\n"
                               "壊れたファイルは次に保存するときに別の名前で残し、"
                               "新しい設定ファイルを作ります。");
}

void ShowMovedAsideMessage(const std::string& path, const std::string& movedTo) {
    ShowMessage("Hivekit", "設定ファイルが壊れていたため読み込めませんでした。\n" + path +
                               "\nは\n" + movedTo +
                               "\nとして残し、新しい設定ファイルを作りました。");
}

}  // namespace kestrins::hivekit
