#include "calculator/requirement_texts.h"

#include "calculator/rule_support.h"

namespace varnel::calculator {

namespace {

QString linesWithFinalBreak(const QStringList& lines) { return joinLines(lines) + lineBreak; }

}  // namespace

QString txtFilletTest()
{
    return linesWithFinalBreak({
        QStringLiteral("NONPRESSURE RETAINING FILLET WELDS ONLY, may as an alternate be qualified by any one of the following:"),
        QString(),
        QStringLiteral("- Plate-to-plate fillet weld test per QW-462.4(a) - Five (5) macros are required.   "),
        QStringLiteral("- Pipe-to-plate fillet weld test per QW-462.4(d) - Four (4) macros are required."),
        QStringLiteral("- Pipe-to-pipe fillet weld test per QW-462.4(d) - Four (4) macros are required."),
        QString(),
        QStringLiteral("Any one of the above tests qualifies all fillet sizes on all base metal thicknesses and all diameters."),
        QString(),
        QStringLiteral("PRODUCTION ASSEMBLY MOCKUPS "),
        QStringLiteral("A mockup of the production assembly may be welded and tested in place of the fillet weld test coupons"),
        QStringLiteral("above (QW-181.1.1):"),
        QStringLiteral("- Plate-to-shape/prod.mockup test per QW-181.1.1 - Five (5) macros are required "),
        QStringLiteral("- Pipe-to-shape/prod.mockup test per QW-181.1.1 - Four (4) macros are required"),
        QStringLiteral("The mockup is cut across the weld as QW-181.1.1 describes, and the cut faces serve as the macro specimens."),
        QStringLiteral("Each face is polished and etched so that the fusion at the root and the legs of the fillet can be seen,"),
        QStringLiteral("and it is judged as QW-183 describes."),
        QString(),
        QStringLiteral("REQUIREMENTS FOR P-NUMBER 11A GROUP 3, 4, 5 AND P-NUMBER 11B FILLET WELDS"),
        QStringLiteral("Fillet welds in these base metals, whether they retain pressure or not, are qualified by both sets of"),
        QStringLiteral("tests: the groove-weld tests for the thickness range and the fillet-weld tests above."),
        QStringLiteral("Neither set alone qualifies them."),
    });
}

QString txtCroTest()
{
    return linesWithFinalBreak({
        QStringLiteral("TEST SPECIMENS FOR CORROSION-RESISTANT OVERLAYS    QW-453  Notes:  (1), (4), (5) and (9)"),
        QString(),
        QStringLiteral("(1)  The test coupon is a plate or a pipe large enough for every specimen listed here. Its base metal thickness"),
        QStringLiteral("T and the overlay thickness t recorded on the PQR set the ranges that the procedure qualifies."),
        QString(),
        QStringLiteral("(4)  The overlay surface is examined by the liquid penetrant method (QW-195) before any specimen is cut;"),
        QStringLiteral("the indications are judged by the acceptance standards of QW-195.2."),
        QString(),
        QStringLiteral("(5)  Four (4) side-bend specimens are taken across the overlay and the base metal and bent as QW-160"),
        QStringLiteral("describes; the bends show whether the overlay is sound and bonded to the base metal."),
        QString(),
        QStringLiteral("(9)  The chemical analysis of the overlay is made at the surface, or at the minimum thickness to be"),
        QStringLiteral("qualified, where the composition that the WPS names shall be met (QW-462.5(a))."),
    });
}

QString txtHfoTest()
{
    return linesWithFinalBreak({
        QStringLiteral("TEST SPECIMENS FOR HARD-FACING (WEAR-RESISTANT) OVERLAYS    QW-453  Notes:  (2), (3), (7) , (8) and (9)"),
        QString(),
        QStringLiteral("(2)  The test coupon is a plate or a pipe large enough for the examination, the hardness readings and the"),
        QStringLiteral("sections listed here; its base metal thickness T sets the qualified base metal range."),
        QString(),
        QStringLiteral("(3)  The hard-facing surface is examined by the liquid penetrant method (QW-195) before it is sectioned;"),
        QStringLiteral("the indications are judged by the acceptance standards that apply to the overlay."),
        QString(),
        QStringLiteral("(7)  Hardness readings are taken across the hard-facing surface at the spacing that the referencing"),
        QStringLiteral("document asks for; they shall fall within the range that the WPS names."),
        QString(),
        QStringLiteral("(8)  The coupon is cut into sections whose faces are polished, etched and examined for the overlay"),
        QStringLiteral("thickness, its bond to the base metal and its soundness (macro-examination)."),
        QString(),
        QStringLiteral("(9)  Where the WPS names a composition, a chemical analysis of the hard-facing is made at the surface or"),
        QStringLiteral("at the minimum thickness to be qualified (QW-462.5(a))."),
    });
}

QString txtStudTest()
{
    return linesWithFinalBreak({
        QStringLiteral("Ten stud-weld tests are required to qualify the procedure: "),
        QStringLiteral("- Every other welding stud (five (5) joints) require hammer or bend test per QW-466.4."),
        QStringLiteral("- The remaining five (5) welded stud joints require torque test per QW-466.5.  "),
        QStringLiteral("- Where torquing to destruction is not feasible, use tensile tests per QW-466.6 instead."),
        QStringLiteral("  The tensile test failure strength shall not be less than $ ."),
    });
}

QString txtFWTest0()
{
    return linesWithFinalBreak({
        QStringLiteral("- Four (4) test welds shall be made using one set of welding parameters (QW-199.1.1)"),
        QStringLiteral("- Two (2) full-section tensile specimens shall be prepared in accordance with QW-462.1(e)"),
        QStringLiteral("-The specimens shall be tested in accordance with QW-160."),
        QString(),
        QStringLiteral("-Root bends and face bends are required per QW-199.1.3."),
        QStringLiteral("-5X macro is required per QW-199.1.3."),
        QStringLiteral("-Visual examination is required per QW-199.1.3."),
    });
}

QString txtFWTest1()
{
    return linesWithFinalBreak({
        QStringLiteral("- Three (3) test coupons shall be made using one set of welding parameters (QW-199.1.1)."),
        QStringLiteral("- Two (2) reduced section tension specimens shall be prepared in accordance with QW-462.1(b) or QW-462.1(c) from "),
        QStringLiteral("one coupon."),
        QStringLiteral("- The specimens shall be tested in accordance with QW-160."),
        QStringLiteral(" "),
        QStringLiteral("- Root bends and face bends are required per QW-199.1.3."),
        QStringLiteral("- 5X macro is required per QW-199.1.3."),
        QStringLiteral("- Visual examination is required per QW-199.1.3."),
        QStringLiteral(" "),
    });
}

}  // namespace varnel::calculator
