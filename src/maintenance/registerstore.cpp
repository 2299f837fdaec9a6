#include "registerstore.h"

#include "platform/serverengine.h"
#include "registercopy.h"
#include "serverregisterstore.h"

namespace {

// The registers as files of the program folder.
class FileRegisterStore : public RegisterStore
{
public:
    bool isFile(const RegisterFile&) const override { return true; }
    void save(const RegisterFile&, const QString& live, const QString& target) const override
    {
        RegisterCopy::copy(live, target);
    }
    void restore(const QString& source, const QString& live, const RegisterFile& kind,
        const AccessCopy::Progress& progress) const override
    {
        RegisterCopy::restore(source, live, kind, progress);
    }
    void compact(const RegisterFile&, const QString& live) const override
    {
        RegisterCopy::compact(live);
    }
};

} // namespace

const RegisterStore& RegisterStore::current()
{
    static const FileRegisterStore files;
    // Asked each time: a test runner chooses a new engine for each desk it
    // starts.
    static const ServerRegisterStore server;
    if (dynamic_cast<const ServerEngine*>(&Engine::registers()))
        return server;
    return files;
}
