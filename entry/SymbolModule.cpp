// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// The module's exports: one symbol editor per symbol kind, the release
// functions for what they hand out, and the version query of the host.
#include <QWidget>
#include <cstdint>
#include <exception>
#include <memory>

#include "CDialogDivision.h"
#include "CDialogNote.h"
#include "CDlgAxisArray.h"
#include "CDlgBoundHacth.h"
#include "CDlgJoinPoint.h"
#include "CDlgLevelMark.h"
#include "CDlgSymbSection.h"
#include "CDlgWeld.h"
#include "HostCad.h"
#include "MessageBoxService.h"
#include "ModuleApplication.h"
#include "SymbolModuleApi.h"
#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoItemCollection.h"
#include "tarvelo/geometry/IGeoItemTraits.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IGeoPointsBlock.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/geometry/TGeoBlockCollection.h"
#include "tarvelo/services/IServiceEnvironment.h"

#ifdef _WIN32
#define SYMBOLS_EXPORT extern "C" __declspec(dllexport)
#else
#define SYMBOLS_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::TGeoBlock;
using GEOTYPE_DEFINITION::TGeoBlockCollection;
using tarvelo::hostcad::IDrawingDatabase;
namespace dialogs = tarvelo::dialogs;

namespace {

/// What one call of an entry point uses of the world: real message boxes and the user's store.
struct CallServices {
    tarvelo::controls::MessageBoxService messages;
    tarvelo::services::SystemServiceEnvironment environment{messages};
};

/// The traits fields that the data model's copy leaves out.
void copyTraitsRest(GEOTYPE_DEFINITION::IGeoItemTraits* target, GEOTYPE_DEFINITION::IGeoItemTraits* source)
{
    if (target == nullptr || source == nullptr)
        return;
    target->SetFactor(source->GetFactor());
    target->SetRealValue(source->GetRealValue());
    target->SetCodeC(source->GetCodeC());
    target->SetChanged(source->IsChanged());
}

/// Makes the result a copy of the incoming symbol in every field a caller can
/// read. The data model's copy leaves some out (the block's tag, code and angle
/// mode, parts of the traits, the flag and tag of plain points, the parameters
/// of a symbol without points); an edit that lost them would change a drawing
/// the user did not touch.
void copyIncoming(TGeoBlock& result, IGeoBlock& incoming)
{
    result.CopyFrom(&incoming);
    result.GetParamMap() = incoming.GetParamMap();
    result.SetTag(incoming.GetTag());
    result.SetCode(incoming.GetCode());
    result.SetAngleMode(incoming.GetAngleMode());
    copyTraitsRest(result.GetTraits(), incoming.GetTraits());
    GEOTYPE_DEFINITION::forEachPoint(incoming.GetPoints(), [&](std::uint32_t key, auto& point) {
        if (auto* copy = result.GetPoints()->FindPoint(key)) {
            copy->SetPointFlag(point.GetPointFlag());
            copy->SetPointTag(point.GetPointTag());
        }
    });
    GEOTYPE_DEFINITION::forEachItem(incoming.GetItems(), [&](std::uint32_t key, auto& item) {
        if (auto* copy = result.GetItems()->FindItem(key))
            copyTraitsRest(copy->GetTraits(), item.GetTraits());
    });
}

/// How a new symbol's block starts: blank; with one point, which the host moves to where the user
/// clicks; or blank also for an incoming block that is empty and not an existing symbol.
enum class NewBlock { Blank, WithStartPoint, BlankAlsoForEmptyIncoming };
/// What the caller gets when the user does not accept: an emptied block, or none.
enum class OnCancel { Emptied, Null };

struct EditPolicy {
    NewBlock newBlock = NewBlock::Blank;
    OnCancel onCancel = OnCancel::Emptied;
};

bool startsNewBlock(IGeoBlock* incoming, NewBlock newBlock)
{
    if (incoming == nullptr)
        return true;
    return newBlock == NewBlock::BlankAlsoForEmptyIncoming && incoming->IsEmpty() && incoming->GetEditMode() == 0;
}

/// One editor call: the result block, the kind's dialog over it, and the user's decision.
template <typename Dialog>
IGeoBlock* editSymbol(std::uintptr_t parentWindow, IDrawingDatabase* drawing, IGeoBlock* incoming,
                      const EditPolicy& policy)
{
    std::unique_ptr<TGeoBlock> result;
    try {
        tarvelo::module::ensureApplication();
        CallServices services;
        result = std::make_unique<TGeoBlock>();
        if (startsNewBlock(incoming, policy.newBlock)) {
            // A new symbol carries no text of the data model's own: its texts are the user's.
            result->GetExtData()->SetMainText("");
            if (policy.newBlock == NewBlock::WithStartPoint)
                result->GetPoints()->AddPoint(0, 0, 500.0, 0.0, 0.0);
        } else {
            copyIncoming(*result, *incoming);
        }
        QWidget* parent = parentWindow != 0 ? QWidget::find(static_cast<WId>(parentWindow)) : nullptr;
        std::unique_ptr<dialogs::CSymbolDialog> dialog = std::make_unique<Dialog>(parent, services.environment);
        if (dialog->EditBlock(drawing, result.get()) != dialogs::kAccepted) {
            if (policy.onCancel == OnCancel::Null)
                result.reset();
            else
                result->Clear();
        }
    } catch (const std::exception& failure) {
        // The standard report of a failure that reached an entry point.
        tarvelo::controls::MessageBoxService().show("", failure.what(), tarvelo::services::MessageIcon::Error);
        result.reset();
    }
    return result.release();
}

}  // namespace

// Each export is bound to its kind by its name, so that a kind missing from the table does not compile.
#define SYMBOL_EDITOR(exportName, Dialog, ...)                                                                  \
    static_assert(tarvelo::module::symbolKindOfExport(#exportName) < tarvelo::module::kSymbolKinds.size());     \
    SYMBOLS_EXPORT IGeoBlock* exportName(std::uintptr_t parentWindow, IDrawingDatabase* drawing,               \
                                         IGeoBlock* incoming)                                                  \
    {                                                                                                          \
        return editSymbol<dialogs::Dialog>(parentWindow, drawing, incoming, EditPolicy{__VA_ARGS__});          \
    }

/// Edits a section or cut mark; null when the user does not accept.
SYMBOL_EDITOR(SectionSymbol, CDlgSymbSection, NewBlock::BlankAlsoForEmptyIncoming, OnCancel::Null)
/// Edits a break line; the result is emptied when the user does not accept.
SYMBOL_EDITOR(DivisionSymbol, CDialogDivision, NewBlock::WithStartPoint)
/// Edits a level mark; the result is emptied when the user does not accept.
SYMBOL_EDITOR(LvlMrkSymbol, CDlgLevelMark, NewBlock::WithStartPoint)
/// Edits a leader note; the result is emptied when the user does not accept.
SYMBOL_EDITOR(MrkCmmSymbol, CDialogNote)
/// Edits a node designation; the result is emptied when the user does not accept.
SYMBOL_EDITOR(JpntSymbol, CDlgJoinPoint)
/// Edits an array of grid axes; the result is emptied when the user does not accept.
SYMBOL_EDITOR(CoordLineSymbol, CDlgAxisArray)
/// Edits a weld seam; the result is emptied when the user does not accept.
SYMBOL_EDITOR(WeldSymbol, CDlgWeld)
/// Edits a boundary hatch; the result is emptied when the user does not accept.
SYMBOL_EDITOR(BoundHatchSymbol, CDlgBoundHacth)

/// Releases a block returned by one of the editors; null is ignored.
SYMBOLS_EXPORT void FreeBlock(IGeoBlock* block)
{
    delete static_cast<TGeoBlock*>(block);
}

/// Releases a block collection; null is ignored.
SYMBOLS_EXPORT void ModuleFreeGeoCollection(TGeoBlockCollection* collection)
{
    delete collection;
}

/// The host's version query for loadable modules: always 0.
SYMBOLS_EXPORT std::uint32_t zcrxGetApiVersion()
{
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
    // The host's kit lays out a marked reserved area at the start of this function.
    asm volatile("jmp 1f\n\t.ascii \"ECAD\"\n\t.zero 128\n\t.ascii \"DACE\"\n1:");
#endif
    return 0;
}
