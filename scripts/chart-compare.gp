# The chart of scripts/chart --compare, run as gnuplot -c chart-compare.gp
# DIFFS OUT COUNT HEADING: DIFFS lines "LABEL WON_DIFF LOW HIGH SCORE_DIFF LOW
# HIGH" (B - A, from chompsim --compare), OUT the PNG, COUNT how many lines,
# HEADING the title. They are only ever data.
diffs = ARG1
out = ARG2
count = int(ARG3)
heading = ARG4
set terminal pngcairo size 1100,480 font ",10"
set output out
set multiplot layout 1,2 title heading noenhanced
set key off
set xtics nomirror noenhanced
if (count > 3) set xtics rotate by -30
set grid ytics
set xrange [-0.6:count - 0.4]
set style fill solid 0.4 border -1
set boxwidth 0.5
# A difference whose interval leaves out 0 is shown at 5%.
set arrow 1 from graph 0, first 0 to graph 1, first 0 nohead lc rgb "black" front

set title "Won share, B - A, with its 95% interval (points)"
set ylabel "percentage points"
plot diffs using 0:2:xtic(1) with boxes lc rgb "#4080c0", \
     '' using 0:2:3:4 with yerrorbars lc rgb "black" pointtype 7 pointsize 0.6

set title "Mean score, B - A, with its 95% interval"
set ylabel "points of score"
plot diffs using 0:5:xtic(1) with boxes lc rgb "#c080e0", \
     '' using 0:5:6:7 with yerrorbars lc rgb "black" pointtype 7 pointsize 0.6
unset multiplot
