// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

/// @file
/// Declares the call shape of a library export: a type named after the
/// export that carries its name and its function type. SharedLibrary::find
/// takes the type, so a misspelt export does not compile and no name is ever
/// paired with a wrong shape.
#define TARVELO_EXPORT_SHAPE(symbol, ...)                  \
    struct symbol {                                        \
        static constexpr const char* exportName = #symbol; \
        using Function = __VA_ARGS__;                      \
    }
