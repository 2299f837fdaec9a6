#include "certificatemain.h"

#include "platform/error.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/translations.h"

#include <QApplication>

int runCertificateProgram(int argc, char* argv[], CertificatePrinter::Kind kind)
{
    QApplication application(argc, argv);
    installItalianTranslations(application);
    Printer printer;
    MessageBox messages;
    try {
        CertificatePrinter certificates(kind, printer, messages);
        return certificates.run() > 0 ? 0 : 1;
    } catch (const OstraleError& error) {
        messages.show(errorText(error));
        return 2;
    }
}
