#pragma once

#include "certificates/certificateprinter.h"

// The whole of a certificate program: reads the hand-off file in the current
// folder and prints to the default printer, or to PDF files in "stampe" when
// the machine has none.
int runCertificateProgram(int argc, char* argv[], CertificatePrinter::Kind kind);
