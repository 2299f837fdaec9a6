#include "windowcatalog.h"

#include "emergenzaform.h"
#include "gate/formcar.h"

#include <functional>
#include <map>

namespace WindowCatalog {

OstraleWindow* create(App& app, const QString& name, QWidget* parent)
{
    using Factory = std::function<OstraleWindow*(App&, QWidget*)>;
    static const std::map<QString, Factory> factories {
        { QStringLiteral("emergenzaform"), [](App& a, QWidget* p) { return new EmergenzaForm(a, p); } },
        { QStringLiteral("formcar"), [](App& a, QWidget* p) { return new FormCar(a, p); } },
    };
    const auto found = factories.find(name);
    return found == factories.end() ? nullptr : found->second(app, parent);
}

} // namespace WindowCatalog
