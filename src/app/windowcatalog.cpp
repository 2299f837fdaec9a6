#include "windowcatalog.h"

#include "emergenzaform.h"
#include "associations/formass.h"
#include "associations/formlist.h"
#include "volunteers/formvol.h"
#include "volunteers/formvollist.h"
#include "gate/formcar.h"
#include "badges/formpass.h"
#include "badges/formsetpass.h"

#include <functional>
#include <map>

namespace WindowCatalog {

OstraleWindow* create(App& app, const QString& name, QWidget* parent)
{
    using Factory = std::function<OstraleWindow*(App&, QWidget*)>;
    static const std::map<QString, Factory> factories {
        { QStringLiteral("emergenzaform"), [](App& a, QWidget* p) { return new EmergenzaForm(a, p); } },
        { QStringLiteral("formcar"), [](App& a, QWidget* p) { return new FormCar(a, p); } },
        { QStringLiteral("formpass"), [](App& a, QWidget* p) { return new FormPass(a, p); } },
        { QStringLiteral("formsetpass"), [](App& a, QWidget* p) { return new FormSetPass(a, p); } },
        { QStringLiteral("Formass"), [](App& a, QWidget* p) { return new Formass(a, p); } },
        { QStringLiteral("formlist"), [](App& a, QWidget* p) { return new FormList(a, p); } },
        { QStringLiteral("formvol"), [](App& a, QWidget* p) { return new FormVol(a, p); } },
        { QStringLiteral("formvollist"), [](App& a, QWidget* p) { return new FormVolList(a, p); } },
    };
    const auto found = factories.find(name);
    return found == factories.end() ? nullptr : found->second(app, parent);
}

} // namespace WindowCatalog
