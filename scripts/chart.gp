# The chart of scripts/chart, run as gnuplot -c chart.gp SUMMARY SCORES OUT SETS
# HEADING [GROUP [SWEEP NAME SWEPT]]: SUMMARY is chompsim --summarize output
# (or lines of its first five columns under a header line), SCORES lines
# "SET SCORE" in the same order of sets, OUT the PNG, SETS how many sets,
# HEADING the title, GROUP what a set is (default "ghost set";
# examples/compare.py draws players); SWEEP (when given and not empty) holds
# blocks "VALUE WON LOW HIGH", one per ghost set of SWEPT (names separated by
# blanks), over the player parameter NAME. They are only ever data.
summary = ARG1
scores = ARG2
out = ARG3
sets = int(ARG4)
heading = ARG5
group = ARGC >= 6 ? ARG6 : "ghost set"
sweep = ARGC >= 7 ? ARG7 : ""
name = ARGC >= 8 ? ARG8 : ""
swept = ARGC >= 9 ? ARG9 : ""
panels = sweep eq "" ? 2 : 3
# The x ranges are given: autoscaling fails on a single set. Each panel is
# wide enough for its labels.
width = sets > 8 ? 60 * sets : 550
set terminal pngcairo size (panels == 2 ? 2 * width : 2 * width + 500),480 font ",10"
set output out
set multiplot layout 1,panels title heading noenhanced
set style fill solid 0.4 border -1
set key off
set xtics nomirror noenhanced
if (sets > 4) set xtics rotate by -30
set grid ytics

# Left: scores per set, the sets in the order of the table.
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

# A sweep: won share against the parameter's value, a line per ghost set.
if (panels == 3) {
  set title "Won share against " . name noenhanced
  set xlabel name noenhanced
  set xtics norotate
  set key top left noenhanced
  set autoscale x
  set offsets graph 0.05, graph 0.05, 0, 0
  set style data yerrorlines
  plot for [i = 1:words(swept)] sweep index (i - 1) using 1:2:3:4 title word(swept, i) pointtype 7 pointsize 0.7
}
unset multiplot
