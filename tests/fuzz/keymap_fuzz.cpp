// Feeds bytes to the keypad text box's key map reader as "keymap.kpm" is read, over the
// map every process starts with, and checks what the class promises after any load:
// every byte's representative key types that byte, and no key types a byte that texts
// reserve.
#include "lcdtextbox/ckeymap.h"
#include "lcdtextbox/lcdprompts.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class SilentPrompter : public lcd::Prompter {
public:
    QMessageBox::StandardButton message(QWidget*, const QString&, const QString&, QMessageBox::Icon,
                                        QMessageBox::StandardButtons) override
    {
        return QMessageBox::Ok;
    }
    bool askText(QWidget*, const QString&, const QString&, QString&) override { return false; }
};

SilentPrompter prompter;
std::string file;

void removeFile()
{
    ::unlink(file.c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char name[] = "/tmp/keymap-fuzz-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    ::close(fd);
    file = name;
    std::atexit(removeFile);
    lcd::setPrompter(&prompter);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) std::abort();
    CKeyMap map;
    map.load(QString::fromStdString(file));
    for (int byte = 0; byte < 256; ++byte) {
        const auto key = map.keypadToKey(static_cast<CKeyMap::Byte>(byte));
        if (key && map.keyToKeypad(*key) != byte) __builtin_trap();
        if (CKeyMap::isReserved(static_cast<CKeyMap::Byte>(byte)) && !map.keysOf(static_cast<CKeyMap::Byte>(byte)).empty())
            __builtin_trap();
    }
    return 0;
}
