#!/usr/bin/env bash
# A long run of the application against the simulator on a poor line.
#
#   scripts/soak.sh [MINUTES]        (default 30; 1 makes a quick check)
#
# Builds a release build in build-soak/ (with ccache when present), then
# starts morlix-sim on TCP and UDP with every line fault at once (drops,
# noise, closed connections, latency, refused transfer records) and the
# application, offscreen, connected over TCP. For MINUTES, the simulator's
# front panel changes random settings within their ranges, morlixctl writes
# others over UDP, and every UPLOAD_EVERY seconds (45 unless set) a new
# picture goes up with morlixctl upload on the simulator's pseudo-terminal
# and comes back with download, pixel for pixel. At the end the faults stop, the application reconnects and
# follows a last burst of changes, and its mirror (morlix --dump-mirror) must
# equal the simulator's dump; its anonymous memory (RssAnon) must stay within
# MEMORY_MARGIN_KB of what it was after the warm-up (the first full mirror,
# then a reply storm until the service console's bounded log is full). Prints
# the figures; exits non-zero naming the first difference found. The run's
# files (logs, dumps, pictures) stay in the folder it names (SOAK_DIR to
# choose it).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

minutes=${1:-30}
if ! [[ "$minutes" =~ ^[0-9]+$ ]] || ((minutes < 1)); then
    echo "usage: scripts/soak.sh [MINUTES]  (a whole number of minutes, at least 1)" >&2
    exit 2
fi
upload_every=${UPLOAD_EVERY:-45}
# The application's heap, caches and the allocator's free lists settle
# within this much of the start-up figure; a leak of a few hundred bytes per
# report grows far beyond it in half an hour.
memory_margin_kb=${MEMORY_MARGIN_KB:-8192}
# The service console logs every reply even while hidden and keeps the last
# 100,000 (about 12 MB): that bounded log is not growth. A reply storm on top
# of the other traffic fills it before the start figure is taken, so that
# whatever grows after it is the application's own.
console_rows=100000
storm_rate=${SOAK_STORM:-400}
# The connection is closed after this many reports: about every 30 s of the
# storm, so that the log fills in minutes and the reconnections still come
# by the dozen.
close_after=$((storm_rate * 30))

scripts/install-deps.sh

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-soak -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORLIX_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-soak --parallel "$(nproc)" --target morlix morlix-sim morlixctl

app=$root/build-soak/src/morlix
sim=$root/build-soak/tools/morlix-sim/morlix-sim
ctl=$root/build-soak/tools/morlixctl/morlixctl

work=${SOAK_DIR:-$(mktemp -d "${TMPDIR:-/tmp}/morlix-soak.XXXXXX")}
mkdir -p "$work"
cd "$work"
rm -f stop mirror.txt device.txt ./*.count uploads.txt memory.txt

fail() {
    echo "soak: FAILED: $*" >&2
    echo "soak: the run's files are in $work" >&2
    exit 1
}

# Waits up to $2 seconds for the file $1 to exist.
wait_for_file() {
    local deadline=$((SECONDS + $2))
    while [[ ! -s "$1" ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# ------------------------------------------------------------ the device
rm -f panel
mkfifo panel
# Read and write, so that opening it does not wait for the simulator.
exec 3<>panel

"$sim" --tcp 0 --udp 0 --pty "$work/tty" --log \
    --drop-every 97 --noise-every 13 --close-after "$close_after" --latency 20 --nack-every 11 \
    --op-step 50 --signal 1:16 --signal 2:30 --storm "$storm_rate" <panel >sim.out 2>sim.log &
sim_pid=$!
app_pid=
cleanup() {
    touch "$work/stop"
    if [[ -n "$app_pid" ]]; then kill "$app_pid" 2>/dev/null || true; fi
    echo quit >&3 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

wait_for_file sim.out 10 || fail "the simulator did not start (see $work/sim.log)"
sleep 0.5
tcp_port=$(sed -n 's/^morlix-sim: listening on tcp .*:\([0-9]*\)$/\1/p' sim.out)
udp_port=$(sed -n 's/^morlix-sim: listening on udp .*:\([0-9]*\)$/\1/p' sim.out)
[[ -n "$tcp_port" && -n "$udp_port" ]] || fail "the simulator named no ports: $(cat sim.out)"
ctl_link=(--udp "127.0.0.1:$udp_port" --timeout 3000)
ctl_pty=(--serial "$work/tty" --timeout 3000)

panel() { echo "$*" >&3; }

# ------------------------------------------------------- the application
QT_QPA_PLATFORM=offscreen "$app" --connect "tcp://127.0.0.1:$tcp_port" --dump-mirror "$work/mirror.txt" \
    >app.out 2>app.err &
app_pid=$!

wait_for_file mirror.txt 60 || fail "the application's mirror was never complete (see $work/app.err)"

anon_kb() { awk '/^RssAnon:/ { print $2 }' "/proc/$app_pid/status"; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status"; }
# The simulator logs its reports whether or not a client is connected; only
# those sent while the application was connected reached it.
sent_while_connected() {
    awk -v kind="$1" '/ tcp \+\+ / { on = 1 } / tcp -- / { on = 0 } on && $2 == "tcp" && $3 == kind { n++ }
        END { print n + 0 }' sim.log
}
reports_sent() { sent_while_connected '->'; }
echo "soak: mirror complete; RssAnon $(anon_kb) kB; filling the console's log with $console_rows replies"
while (($(reports_sent) < console_rows + console_rows / 10)); do
    kill -0 "$app_pid" 2>/dev/null || fail "the application ended during the warm-up (see $work/app.err)"
    sleep 5
done
memory_start=$(anon_kb)
rss_start=$(rss_kb)
reports_start=$(reports_sent)
echo "soak: warmed up; RssAnon $memory_start kB, VmRSS $rss_start kB; running $minutes min"

# ------------------------------------------------------ what gets changed
# Every addressable element (the mirror lists them) of a variable that a
# control writes. Left out, as morlixctl restore leaves them out
# (src/variables/WritableVariables.cpp): the link's own variables, the
# service console's register window and the one-shot commands (they would
# start resets and transfers), and the status copies and measurements the
# device keeps itself. PMODE 6 would take the link out of variable mode.
never_written=" DIESE ADDRDBG DATADBG STBDBG RSBDBG NTBDBG DOLLAR DEV ERROR READY AMX XCR
    UPDATER FACTORYRESET POSMEMORYRESET STORE IAUTOSET IMAGERESET AUTOCAD AUDIORESET
    OCEXECUTE PMODE PEXECUTE PABORT EDIDSTORE LANRESET LANSTORE
    COPKIND COPPROGRESS VERI1 VERI2 VERI3 VERI4 VERK VERA VERB VERC VERV VERUPD OPT REV
    STDBYSTATUS ICH IPCHANSTATUS ISOURCESTABILITY INAME IFORMATLIST IFORMATINDEXSTATUS
    IHPOL IVPOL ISYNC IFREQFIELD IFREQLINE IDVI_IS_HDCP RHTOTALMAXI ZMINDEXSTATUS
    AMASTERVOLUME_STATUS ALEVEL_STATUS APCHANSTATUS AREF_STATUS OHSIZE OVSIZE ODVI_IS_HDCP
    OCNAMEINDEXSTATUS OCFULL_HTOTAL OCFULL_VTOTAL REFSTATUS REFFORMAT REFFREQ REFLOCKSTATUS
    PSTATUS PVALID PSTATUS_WIDTH PSTATUS_HEIGHT PSTATUS_STYLE PSTATUS_FRAME_COUNT
    PSTATUS_REFRESH_INTERVAL LANPADIPSTATUS "
"$ctl" vars | awk -F'\t' '{ print $2, $5, $6 }' >ranges.txt
mapfile -t targets < <(tr -d '\r' <mirror.txt | cut -d= -f1 | awk -v skip="$never_written" '
    BEGIN { gsub(/[[:space:]]+/, " ", skip) }
    NR == FNR { min[$1] = $2; max[$1] = $3; next }
    { name = $1; sub(/\[.*/, "", name) }
    index(skip, " " name " ") == 0 && name in min { print $1, min[name], max[name] }
' ranges.txt -)
((${#targets[@]} > 100)) || fail "only ${#targets[@]} settings to change: $(head -c 300 mirror.txt)"

# "NAME[i] VALUE" for a random setting, the value within its range.
random_setting() {
    local target min max
    read -r target min max <<<"${targets[RANDOM % ${#targets[@]}]}"
    echo "$target $((min + ((RANDOM << 15 | RANDOM) % (max - min + 1))))"
}

count() { echo >>"$1.count"; }
counted() { [[ -f "$1.count" ]] && wc -l <"$1.count" || echo 0; }

# --------------------------------------------------------------- the load
front_panel_loop() {
    while [[ ! -e stop ]]; do
        panel "set $(random_setting)"
        count panel-sets
        sleep 0.2
    done
}

# A picture goes up into logo memory 1 to 4 and comes back, on the
# simulator's pseudo-terminal so that it runs beside the UDP writes. The
# transfer protocol sends a refused destination header or red channel again,
# and nothing else: after any other refused record the sender waits out its
# 30 s and abandons. So an upload whose refusals were all of the first kind
# must complete with the very pixels the offline conversion makes, and one
# with a refusal of the second kind must be abandoned.
refusals_in() {
    # The refused records of the pseudo-terminal in sim.log from line $1 on:
    # "repeated N final M".
    tail -n "+$1" sim.log | awk '
        $2 == "pty" && $3 == "<<" { record = $4 }
        $2 == "pty" && $3 == ">>" && $4 == ".0\\x0d" {
            address = substr(record, 4, 4); type = substr(record, 8, 2)
            if ((type == "02" && address == "0001") || (type == "00" && (address == "0001" || address == "0011")))
                repeated++
            else
                final++
        }
        END { printf "repeated %d final %d\n", repeated, final }'
}

upload_round() {
    local n=$1 dest="logo:$((1 + $1 % 4))" height=$((2 + RANDOM % 9)) from refusals
    if ! convert -seed "$n" -size "32x$height" plasma:fractal "picture-$n.bmp" ||
        ! "$ctl" convert "picture-$n.bmp" "expected-$n.bmp" --kind logo >/dev/null; then
        echo "picture $n could not be made" >>uploads.txt
        return
    fi
    from=$(($(wc -l <sim.log) + 1))
    if "$ctl" "${ctl_pty[@]}" upload "picture-$n.bmp" --dest "$dest" >>uploads.log 2>&1; then
        refusals=$(refusals_in "$from")
    else
        refusals=$(refusals_in "$from")
        if [[ "$refusals" == *" final 0" ]]; then
            echo "upload $n (32x$height) to $dest failed after refusals the protocol repeats ($refusals; see uploads.log)" >>uploads.txt
        else
            echo "abandoned $n ($refusals)" >>uploads.txt
        fi
        return
    fi
    if ! "$ctl" "${ctl_pty[@]}" download --dest "$dest" "back-$n.bmp" >>uploads.log 2>&1; then
        echo "download $n from $dest failed (see uploads.log)" >>uploads.txt
        return
    fi
    local differing
    differing=$(compare -metric AE "expected-$n.bmp" "back-$n.bmp" null: 2>&1 || true)
    if [[ "$differing" == 0 ]]; then
        echo "ok $n $dest ($refusals)" >>uploads.txt
    else
        echo "picture $n (32x$height) in $dest came back with $differing pixels different" >>uploads.txt
    fi
}

upload_loop() {
    local round=0
    sleep 5
    while [[ ! -e stop ]]; do
        round=$((round + 1))
        upload_round "$round"
        local next=$((SECONDS + upload_every))
        while [[ ! -e stop ]] && ((SECONDS < next)); do
            sleep 1
        done
    done
}

morlixctl_loop() {
    while [[ ! -e stop ]]; do
        # Under drops a write's report may be lost and morlixctl say so; the
        # device took the value all the same.
        if "$ctl" "${ctl_link[@]}" set "$(random_setting | tr ' ' '=')" "$(random_setting | tr ' ' '=')" \
            >/dev/null 2>>ctl-errors.log; then
            count ctl-writes
        else
            count ctl-failures
        fi
        sleep 1
    done
}

memory_loop() {
    while [[ ! -e stop ]] && kill -0 "$app_pid" 2>/dev/null; do
        echo "$SECONDS $(anon_kb) $(rss_kb)" >>memory.txt
        sleep 10
    done
}

front_panel_loop &
panel_loop_pid=$!
morlixctl_loop &
ctl_loop_pid=$!
upload_loop &
upload_loop_pid=$!
memory_loop &
memory_loop_pid=$!

end=$((SECONDS + minutes * 60))
while ((SECONDS < end)); do
    kill -0 "$app_pid" 2>/dev/null || fail "the application ended during the run (see $work/app.err)"
    kill -0 "$sim_pid" 2>/dev/null || fail "the simulator ended during the run (see $work/sim.log)"
    sleep 2
done

touch stop
wait "$panel_loop_pid" "$ctl_loop_pid" "$upload_loop_pid" "$memory_loop_pid"

# ------------------------------------------------------------- the check
panel "faults off"
sleep 1
# A resend that began under the faults may have lost reports: the
# application must be found again and ask for everything on a clean line.
panel disconnect
sleep 0.5
rm -f mirror.txt
wait_for_file mirror.txt 60 || fail "no full resend within 60 s of the faults ending"

# Changes the application did not make, on a clean line, followed live.
for _ in $(seq 20); do
    panel "set $(random_setting)"
done
# The device may keep another value than the one written (an input not in
# use, a clamped companion), which morlixctl reports; it must answer, though.
if ! "$ctl" "${ctl_link[@]}" set "$(random_setting | tr ' ' '=')" >/dev/null 2>last-write.log &&
    ! grep -q 'the device kept' last-write.log; then
    fail "morlixctl could not write on a clean line: $(cat last-write.log)"
fi
# Input switches and one-shot operations end well within this.
sleep 3
rm -f mirror.txt
kill -USR1 "$app_pid"
wait_for_file mirror.txt 10 || fail "the application wrote no mirror on SIGUSR1"
panel "dump $work/device.txt"
wait_for_file device.txt 10 || fail "the simulator wrote no dump"

memory_end=$(anon_kb)
rss_end=$(rss_kb)

# Both files list NAME=VALUE and NAME[i]=VALUE; the device's dump also has
# elements no index can select, its custom memories and its registers, which
# the application does not hold. Compared: every line both hold, except
# AMX and XCR, which the device stores and never reports, so the
# application cannot know them.
export LC_ALL=C
tr -d '\r' <mirror.txt | sort >mirror.sorted
tr -d '\r' <device.txt | sort >device.sorted
differences=$(join -t= -j1 mirror.sorted device.sorted -o 0,1.2,2.2 |
    awk -F= '$1 != "AMX" && $1 != "XCR" && $2 != $3 { printf "  %s: application %s, device %s\n", $1, $2, $3 }')
compared=$(join -t= -j1 mirror.sorted device.sorted | wc -l)

# ------------------------------------------------------------ the figures
reports=$(reports_sent)
dropped=$(sent_while_connected '-x')
connections=$(grep -c ' tcp ++ ' sim.log || true)
touch uploads.txt
uploads_ok=$(grep -c '^ok ' uploads.txt || true)
uploads_abandoned=$(grep -c '^abandoned ' uploads.txt || true)
uploads_bad=$(grep -vc '^ok \|^abandoned ' uploads.txt || true)
refusals_repeated=$(sed -n 's/^ok .*(repeated \([0-9]*\) .*/\1/p' uploads.txt | awk '{ n += $1 } END { print n + 0 }')
echo
echo "soak: $minutes min against morlix-sim (tcp $tcp_port, udp $udp_port); files in $work"
echo "  reports sent to the application: $reports (and $dropped dropped by the line)"
echo "  reconnections:                   $((connections - 1))"
echo "  front-panel changes:             $(counted panel-sets)"
echo "  morlixctl writes:                $(counted ctl-writes) ($(counted ctl-failures) without a report under the faults)"
echo "  uploads, pixels checked:         $uploads_ok, through $refusals_repeated refused records sent again"
echo "  uploads abandoned as specified:  $uploads_abandoned (a refused record the protocol does not repeat)"
echo "  uploads failed:                  $uploads_bad"
echo "  memory at start (RssAnon/VmRSS): $memory_start kB / $rss_start kB"
echo "  memory at end   (RssAnon/VmRSS): $memory_end kB / $rss_end kB (limit RssAnon $((memory_start + memory_margin_kb)) kB)"
soaked=$((reports - reports_start))
echo "  reports after the warm-up:       $soaked (a storm of $storm_rate a second among them)"
echo "  RssAnon growth per report:       $(((memory_end - memory_start) * 1024 / (soaked > 0 ? soaked : 1))) bytes"
echo "  mirror lines compared:           $compared"

status=0
if [[ -n "$differences" ]]; then
    echo "soak: FAILED: the application's mirror differs from the device:" >&2
    echo "$differences" >&2
    status=1
fi
if ((uploads_bad > 0)); then
    echo "soak: FAILED: uploads:" >&2
    grep -v '^ok \|^abandoned ' uploads.txt >&2
    status=1
fi
# Five of the nine picture heights get through the refusals every 11th
# record brings; a run of some minutes must have seen at least one.
if ((uploads_ok == 0 && minutes >= 5)); then
    echo "soak: FAILED: no upload completed in $minutes min" >&2
    status=1
fi
if ((memory_end > memory_start + memory_margin_kb)); then
    echo "soak: FAILED: the application's memory grew by $((memory_end - memory_start)) kB" \
        "(more than $memory_margin_kb kB); samples in $work/memory.txt" >&2
    status=1
fi
((status == 0)) && echo "soak: passed"
exit "$status"
