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
    if (const auto* server = dynamic_cast<const ServerEngine*>(&Engine::registers())) {
        // The engine is chosen once, at start: one store for it is enough.
        static const ServerRegisterStore store(*server);
        return store;
    }
    return files;
}
