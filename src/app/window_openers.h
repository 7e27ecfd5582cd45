#pragma once
// How a window of one area opens a window of another: the area that builds a window installs its
// opener here at start-up, so areas need not link against each other. Each opener shows its
// window modally and returns when it has closed; an opener not installed shows nothing.
// What a window needs besides is handed over in the shared state (lookupKey, pictureKey, ...).

#include <functional>

namespace varnel {

struct WindowOpeners {
    std::function<void()> definitions;            // varnelDefinitions: the glossary on lookupKey
    std::function<void()> crossReference;         // varnelCrossReference: the paragraph of lookupKey
    std::function<void()> picture;                // varnelPicture: the figures of pictureKey
    std::function<void()> agreement;              // varnelAgreement: the licence text
    std::function<void()> showAllProcesses;       // the applicability grid of the selected paragraph
    std::function<void()> materialSpecification;  // varnelMaterialSpecification
    std::function<void()> fillerSpecification;    // varnelFillerSpecification
    std::function<void()> aNumbers;               // varnelAnumbers
    std::function<void()> thickness;              // varnelThickness
    std::function<void()> interpretations;        // sorvikMain: the start string interpretationQuery
};

WindowOpeners& windowOpeners();

}  // namespace varnel
