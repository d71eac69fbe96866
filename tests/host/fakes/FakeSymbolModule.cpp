// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A stand-in symbol module with the real module's eleven exports. Every
// entry point answers a small block of its kind (a copy of the incoming one
// when given) and writes what it was called with, and every block it makes
// and frees, to the file named by FAKE_SYMBOLS_LOG. With FAKE_SYMBOLS_DIALOG
// set it first runs a modal dialog named like a symbol dialog; with
// FAKE_SYMBOLS_NOTICE set, a message box before that.
// Built a second time without WeldSymbol, as a module that lacks an export.
#include <QDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>

#include "SymbolModuleApi.h"
#include "TableWalk.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/TextCodec.h"

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using namespace GEOTYPE_DEFINITION;

void logLine(const std::string& line)
{
    if (const char* path = std::getenv("FAKE_SYMBOLS_LOG")) {
        if (FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%s\n", line.c_str());
            std::fclose(log);
        }
    }
}

std::string address(const void* pointer)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", pointer);
    return text;
}

// True when the user accepted.
bool runDialog(std::uintptr_t parentWindow)
{
    if (std::getenv("FAKE_SYMBOLS_NOTICE") != nullptr)
        QMessageBox::warning(nullptr, "Notice", "Before the dialog");
    QDialog dialog(QWidget::find(static_cast<WId>(parentWindow)));
    dialog.setObjectName("12003");
    auto* buttons = new QHBoxLayout(&dialog);
    auto* accept = new QPushButton("OK", &dialog);
    accept->setObjectName("1");
    auto* cancel = new QPushButton("Cancel", &dialog);
    cancel->setObjectName("2");
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    QObject::connect(accept, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return dialog.exec() == QDialog::Accepted;
}

IGeoBlock* editSymbol(const char* exportName, std::uint32_t symbolType, std::uintptr_t parentWindow,
                      tarvelo::hostcad::IDrawingDatabase* drawing, IGeoBlock* incoming)
{
    const auto layers =
        tarvelo::hostcad::readTableNames(drawing, tarvelo::hostcad::TableKind::Layers, tarvelo::hostcad::FailedRecords::Skip);
    logLine(std::string("call ") + exportName + " parent " + std::to_string(parentWindow) + " layers " +
            std::to_string(layers.names.size()) + " incoming " +
            (incoming != nullptr ? "edit " + std::to_string(incoming->GetEditMode()) : std::string("none")));

    auto* block = new TGeoBlock;
    if (incoming != nullptr) {
        block->CopyFrom(incoming);
    } else {
        block->SetSymbolType(symbolType);
        block->GetExtData()->SetMainText(tarvelo::text::utf8ToCp1251("Отметка +0.000"));
        block->SetParam(1, 2.5);
        block->AddItem(kTextItemKind, 1, nullptr, tarvelo::text::utf8ToCp1251("А"), 0);
        block->GetPoints()->AddPoint(0, 0, 500.0, 0.0, 0.0);
    }
    if (std::getenv("FAKE_SYMBOLS_DIALOG") != nullptr && !runDialog(parentWindow)) {
        if (symbolType / 100 == 1) {
            delete block;
            return nullptr;
        }
        block->Clear();
    }
    logLine("made " + address(block));
    return block;
}

}  // namespace

#define FAKE_SYMBOL(name, type)                                                                           \
    FAKE_EXPORT IGeoBlock* name(std::uintptr_t parent, tarvelo::hostcad::IDrawingDatabase* drawing,      \
                                IGeoBlock* incoming)                                                    \
    {                                                                                                   \
        return editSymbol(#name, type, parent, drawing, incoming);                                     \
    }

FAKE_SYMBOL(SectionSymbol, 101)
FAKE_SYMBOL(DivisionSymbol, 201)
FAKE_SYMBOL(LvlMrkSymbol, 301)
FAKE_SYMBOL(MrkCmmSymbol, 401)
FAKE_SYMBOL(JpntSymbol, 501)
FAKE_SYMBOL(CoordLineSymbol, 801)
#ifndef FAKE_WITHOUT_WELD
FAKE_SYMBOL(WeldSymbol, 701)
#endif
FAKE_SYMBOL(BoundHatchSymbol, 601)

FAKE_EXPORT void FreeBlock(IGeoBlock* block)
{
    if (block == nullptr)
        return;
    logLine("freed " + address(block));
    delete static_cast<TGeoBlock*>(block);
}

FAKE_EXPORT void ModuleFreeGeoCollection(TGeoBlockCollection* collection)
{
    if (collection != nullptr)
        logLine("freed collection");
}

FAKE_EXPORT std::uint32_t zcrxGetApiVersion()
{
    return 0;
}

// The exports have exactly the call shapes a caller looks them up with.
static_assert(std::is_same_v<decltype(&SectionSymbol), tarvelo::module::SymbolEditor>);
static_assert(std::is_same_v<decltype(&FreeBlock), tarvelo::module::FreeBlockFunction>);
static_assert(std::is_same_v<decltype(&ModuleFreeGeoCollection), tarvelo::module::FreeCollectionFunction>);
static_assert(std::is_same_v<decltype(&zcrxGetApiVersion), tarvelo::module::ApiVersionFunction>);
