#pragma once

#include "certificatefile.h"

class MessageBox;
class Printer;

// Prints certificates of participation, one page each, from the hand-off
// file in the current folder.
class CertificatePrinter
{
public:
    enum Kind { Associations, Volunteers };

    CertificatePrinter(Kind kind, Printer& printer, MessageBox& messages);

    // Reads "protciv02.txt" and "emergenza.dat" in the current folder and
    // prints every certificate as one document. Returns the number printed;
    // a missing or empty hand-off file is reported and prints nothing.
    int run();

    void printPage(const CertificateData& data, const QString& emergency);

private:
    // Prints the text centred in the frame from the given top; returns how
    // much lower than one line the text ended, once it had to wrap.
    int centred(const QString& text, int y, double size, bool bold);
    QString period(const CertificateData& data) const;

    Kind m_kind;
    Printer& m_printer;
    MessageBox& m_messages;
};
