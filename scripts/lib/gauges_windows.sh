# Checks of the gauge modules' Windows DLLs: each exports exactly ImportTable and Linkage by those
# names, needs no DLL but the system's, and carries the bitmap resources its gauges draw. Sourced
# by windows_tier.sh; defines check_gauge_dlls.

# The DLLs a gauge module may import: Windows' own and its C runtime.
GAUGE_SYSTEM_DLLS='^(KERNEL32|USER32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'

# The bitmap resource ids that a gauge module must carry, exactly, by DLL name.
declare -A GAUGE_BITMAPS=(
    [qvt_fuel_dump.dll]="0x000100 0x001200 0x001300 0x001400"
    [qvt_xml_config.dll]="0x000100"
)

# bitmap_ids DUMP: the ids of the bitmap resources (type 2) in an objdump -p listing, in order.
bitmap_ids() {
    awk '/^[0-9a-f]+   Entry: ID: / {type = $4; next}
         /^[0-9a-f]+     Entry: ID: / && type == "0x000002," {sub(",", "", $4); print $4}' \
        <<<"$1" | tr '\n' ' '
}

# check_gauge_dll OBJDUMP FORMAT DLL: the DLL's file format, exports, imports and bitmaps.
check_gauge_dll() {
    local objdump=$1 format=$2 dll=$3 dump exports foreign
    dump=$("$objdump" -p "$dll") || return 1
    if ! grep -q "file format $format\$" <<<"$dump"; then
        say "$dll is not a $format DLL"
        return 1
    fi
    exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/{/Ordinal\/Name/d;p}' <<<"$dump" |
        awk '/\[/ {print $NF}' | sort | tr '\n' ' ')
    if [ "$exports" != "ImportTable Linkage " ]; then
        say "$dll exports: $(cut -c1-200 <<<"${exports:-nothing}") (expected exactly ImportTable and Linkage)"
        return 1
    fi
    foreign=$(awk '/DLL Name:/ {print $3}' <<<"$dump" | grep -viE "$GAUGE_SYSTEM_DLLS" || true)
    if [ -n "$foreign" ]; then
        say "$dll imports DLLs that are not the system's: $(tr '\n' ' ' <<<"$foreign")"
        return 1
    fi
    local expected=${GAUGE_BITMAPS[$(basename "$dll")]:-} bitmaps
    bitmaps=$(bitmap_ids "$dump")
    if [ -n "$expected" ] && [ "$bitmaps" != "$expected " ]; then
        say "$dll carries bitmaps: ${bitmaps:-none} (expected: $expected)"
        return 1
    fi
}

# check_gauge_dlls BUILD BITS: checks every DLL in BUILD/gauge_modules, a build for 32- or 64-bit
# Windows; says what it found wrong, and prints one line of the result: what it checked.
check_gauge_dlls() {
    local build=$1 bits=$2 arch format dll status=0 checked=()
    case $bits in
        32) arch=i686 format=pei-i386 ;;
        64) arch=x86_64 format=pei-x86-64 ;;
    esac
    local dlls=("$build"/gauge_modules/*.dll)
    if [ ! -e "${dlls[0]}" ]; then
        echo "Windows $bits-bit gauge DLLs FAILED: no gauge DLL was built"
        return 1
    fi
    for dll in "${dlls[@]}"; do
        check_gauge_dll "$arch-w64-mingw32-objdump" "$format" "$dll" || status=1
        checked+=("$(basename "$dll")")
    done
    if [ $status -eq 0 ]; then
        echo "Windows $bits-bit gauge DLLs passed: ${checked[*]} export exactly ImportTable and" \
            "Linkage, import only system DLLs and carry their bitmaps"
    else
        echo "Windows $bits-bit gauge DLLs FAILED the export, import or bitmap checks"
    fi
    return $status
}
