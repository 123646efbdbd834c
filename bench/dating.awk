# The same dating as `drawchk Frissit`, as a script: the yardstick for the batch run.
# Run with TZ=UTC and RS="\r\n"; writes the newest row to Drawchk.txt.
BEGIN {
    split("H K Sze Cs P Szo V", labels, " ")
    split("5489 7679 8043 9139 9502 9867", days, " ")
    for (i in days) rest[days[i]] = 1
    day = mktime("2011 08 24 12 00 00")
}
NR > 5000 {
    number = match($0, /^[0-9]+/) && RLENGTH > 4 ? substr($0, 1, RLENGTH) : substr($0, 1, 4)
    if ((number + 0) in rest) day += 86400
    day += 86400
    last = number "   " strftime("%Y-%m-%d", day) "  " labels[strftime("%u", day)]
}
END { printf "%s\r\n", last > "Drawchk.txt" }
