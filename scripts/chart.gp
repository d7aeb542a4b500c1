# The chart of scripts/chart, run as gnuplot -c chart.gp SUMMARY SCORES OUT SETS
# HEADING [GROUP]: SUMMARY is chompsim --summarize output, SCORES lines "SET SCORE",
# OUT the PNG, SETS how many sets, HEADING the title, GROUP what a set is
# (default "ghost set"; examples/compare.py draws players). They are only ever data.
summary = ARG1
scores = ARG2
out = ARG3
sets = int(ARG4)
heading = ARG5
group = ARGC >= 6 ? ARG6 : "ghost set"
# The x ranges are given: autoscaling fails on a single set.
set terminal pngcairo size 1100,480 font ",10"
set output out
set multiplot layout 1,2 title heading noenhanced
set style fill solid 0.4 border -1
set key off
set xtics nomirror
set grid ytics

# Left: scores per ghost set, the sets in the order of the table.
set title "Score per ".group
set ylabel "score"
set style boxplot outliers pointtype 7
set style data boxplot
set boxwidth 0.5
set xrange [0.4:sets + 0.6]
plot scores using (1):2:(0.5):1 lc rgb "#c080e0" pointsize 0.5

# Right: won share with its 95% interval; the summary's first line is its header.
set title "Won share with its 95% interval"
set ylabel "won %"
set yrange [0:105]
set xrange [-0.6:sets - 0.4]
plot summary every ::1 using 0:3:xtic(1) with boxes lc rgb "#4080c0", \
     '' every ::1 using 0:3:4:5 with yerrorbars lc rgb "black" pointtype 7 pointsize 0.6
unset multiplot
