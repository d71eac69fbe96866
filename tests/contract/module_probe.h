// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstddef>

// The module's side of the contract tests: a shared library built from the
// data model that makes objects and checks them with the module's own
// declarations. Objects cross as untyped pointers to the interface named in
// each comment, so nothing here depends on either side's class declarations.

#define CONTRACT_PROBE_API extern "C" __attribute__((visibility("default")))

// New module objects. Whoever receives one deletes it through the interface's
// destructor (for a block, the destructor after its last operation).
CONTRACT_PROBE_API void* probe_new_block(void);                   // IGeoBlock, empty
CONTRACT_PROBE_API void* probe_new_filled_block(void);            // IGeoBlock holding every contract value
CONTRACT_PROBE_API void* probe_new_point(void);                   // IGeoPoint of a plain point
CONTRACT_PROBE_API void* probe_new_scope_point(void);             // IGeoPoint of a scope point
CONTRACT_PROBE_API void* probe_new_points_block(void);            // IGeoPointsBlock
CONTRACT_PROBE_API void* probe_new_item(void);                    // IGeoItem
CONTRACT_PROBE_API void* probe_new_item_collection(void);         // IGeoItemCollection
CONTRACT_PROBE_API void* probe_new_ext_data(void);                // IExtData
CONTRACT_PROBE_API void* probe_new_block_collection(int filled);  // TGeoBlockCollection, two blocks when filled

enum ProbeBlockPart { ProbeScopePoints, ProbePoints, ProbeTraits, ProbeItems, ProbeExtData };

// The block's part as the module itself reaches it (block: IGeoBlock).
CONTRACT_PROBE_API void* probe_block_part(void* block, int part);

// Each check reads the object through the module's declarations and compares
// it with the contract values a filled block holds. It writes one line per
// mismatch into the report (empty when everything agrees) and returns the
// number of mismatches.
CONTRACT_PROBE_API int probe_check_traits(void* traits, char* report, std::size_t size);
CONTRACT_PROBE_API int probe_check_scope_point(void* point, char* report, std::size_t size);
CONTRACT_PROBE_API int probe_check_scope_points(void* scopePoints, char* report, std::size_t size);
CONTRACT_PROBE_API int probe_check_points_block(void* points, char* report, std::size_t size);
CONTRACT_PROBE_API int probe_check_item(void* item, char* report, std::size_t size);
CONTRACT_PROBE_API int probe_check_ext_data(void* extData, char* report, std::size_t size);
// Scalars and parameters only; the parts have checks of their own.
CONTRACT_PROBE_API int probe_check_block_scalars(void* block, char* report, std::size_t size);
// Keys, links, flag and current key, and a parameter and the scope points of each block.
CONTRACT_PROBE_API int probe_check_block_collection(void* collection, char* report, std::size_t size);
