' Summary of a data set held in an array
array v[8] = {2, 4, 4, 4, 5, 5, 7, 9}
var i, lo, hi
lo = v[0]
hi = v[0]
i = 1
do while (i < 8)
	if (v[i] < lo) then lo = v[i]
	if (v[i] > hi) then hi = v[i]
	i = i+1
loop
print "8 values from " lo " to " hi
print "Sum: " sum(v) "   Product: " prod(v)
print "Mean: " mean(v) "   Median: " median(v)
print "Standard deviation: " std(v) " (sample), " std2(v) " (population)"
