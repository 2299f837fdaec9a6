#pragma once

class QCoreApplication;

// Italian captions on the standard buttons ("Sì", "No", "Annulla") and
// dialogs. Loaded before any widget is created.
void installItalianTranslations(QCoreApplication& application);
