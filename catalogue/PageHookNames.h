// Names of the page hooks: the few steps a page command runs on its page after the generic
// recipe has built it. A page definition names its hook; the page commands install it by name.
#pragma once

namespace qs {

// Rebuilds the Multicast Filter Port Table's columns so its last two have no width.
inline constexpr char kMulticastFilterPortColumnsHook[] = "MulticastFilterPortColumns";
// The Add hooks of the CFM MA Net and MA Component tables.
inline constexpr char kCfmNetTableAddHooks[] = "CfmNetTableAddHooks";
inline constexpr char kCfmComponentTableAddHooks[] = "CfmComponentTableAddHooks";
// The VLAN Multiply page's VLAN list is checked before Set sends it.
inline constexpr char kVlanMultiplyListHook[] = "VlanMultiplyList";

} // namespace qs
