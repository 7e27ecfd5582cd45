#include "interpretations/interpretation_printout.h"

namespace varnel {

QString interpretationsCopyright(int currentYear)
{
    return QStringLiteral("ASME Interpretations, Copyright(c) 1974-") + QString::number(currentYear)
           + QStringLiteral(" The American Society of Mechanical Engineers");
}

}  // namespace varnel
