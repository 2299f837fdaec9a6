#include "operations.h"

#include "app/app.h"
#include "volunteers/formvollist.h"

#include <QListWidget>

namespace Maintenance {

void forgetReadData(App& app)
{
    // The volunteer list keeps its lines while it has a current one (a pick
    // handed to the volunteer form); an empty list is built anew.
    if (auto* list = app.existingWindow<FormVolList>())
        list->List1()->clear();
}

} // namespace Maintenance
