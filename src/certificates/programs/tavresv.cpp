#include "certificatemain.h"

int main(int argc, char* argv[])
{
    return runCertificateProgram(argc, argv, CertificatePrinter::Volunteers);
}
