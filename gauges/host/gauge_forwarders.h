// The seven forwarders of a gauge header: each hands the header's first element to the host slot
// of its step, so the host works on the element list of the header they were built for.
#pragma once

#include "host_calls.h"
#include "panel_records.h"

template <GaugeHeader& Header, ImportTableRecord& Imports>
struct GaugeForwarders {
    static void GAUGE_CALL query() { pass(kSlotQueryElements); }
    static void GAUGE_CALL install(void* argument) { pass(kSlotInstallElements, argument); }
    static void GAUGE_CALL initialise() { pass(kSlotInitialiseElements); }
    static void GAUGE_CALL update() { pass(kSlotUpdateElements); }
    static void GAUGE_CALL generate(void* argument) { pass(kSlotGenerateElements, argument); }
    static void GAUGE_CALL draw() { pass(kSlotDrawElements); }
    static void GAUGE_CALL kill() { pass(kSlotKillElements); }

  private:
    static void pass(HostSlot number) {
        host_calls::slot<ElementListSlot>(*Imports.panels.table, number)(Header.elements);
    }
    static void pass(HostSlot number, void* argument) {
        host_calls::slot<ElementListArgumentSlot>(*Imports.panels.table, number)(Header.elements,
                                                                                 argument);
    }
};
