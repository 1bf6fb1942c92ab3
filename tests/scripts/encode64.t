#!/usr/bin/perl
use strict;
use warnings;

use FindBin;
use lib "$FindBin::Bin/lib";

use MIME::Base64 qw(decode_base64);
use POSIX qw(mkfifo);
use Test::More;
use XML::LibXML;
use ScriptTest;

my $ENCODE = script_path('encode64.pl');

# Period 251 does not divide the read chunk, so a chunk dropped, repeated or
# reordered shows in the decoded bytes, not only in their count.
my $pattern = join '', map { chr } 0 .. 250;
my $five_mb = substr( $pattern x ( 5 * 1024 * 1024 / 251 + 1 ), 0, 5 * 1024 * 1024 + 7 );

my @round_trips = (
    [ 'empty file'          => 'empty.bin',   'out.xml',     '' ],
    [ 'all 256 byte values' => 'bytes.bin',   'out.xml',     join( '', map { chr } 0 .. 255 ) ],
    [ 'one short line'      => 'short.bin',   'out.xml',     "GIF89a\0\x01" ],
    [ 'exactly one line'    => 'line.bin',    'out.xml',     'x' x 57 ],
    [ 'about 5 MB'          => 'large.bin',   'out.xml',     $five_mb ],
    [ 'names with blanks'   => 'my file.bin', 'tmp out.xml', "blank\tnames\n" ],
);

for my $case (@round_trips) {
    my ( $name, $input, $output, $bytes ) = @$case;
    my $dir = scratch_dir();
    my ( $in, $out ) = map { "$dir/$_" } $input, $output;
    spew( $in, $bytes );

    my $run = run_script( $ENCODE, $in, $out );
    is( $run->{status}, 0,  "$name: exit status 0" );
    is( $run->{err},    '', "$name: nothing on standard error" );

    my $text = slurp($out);
    my $root = XML::LibXML->load_xml( string => $text, huge => 1 )->documentElement;
    is( $root->nodeName,                'BASE64',       "$name: document element" );
    is( $root->getAttribute('Size'),    length($bytes), "$name: Size is the byte count" );
    is( $root->getAttribute('Encoding'), 'base64',      "$name: Encoding" );
    ok( decode_base64( $root->textContent ) eq $bytes, "$name: decodes to the original bytes" );

    my @lines = grep { length } split /\n/, $root->textContent;
    my @long  = grep { length($_) != 76 } @lines[ 0 .. $#lines - 1 ];
    ok( !@long && ( !@lines || length( $lines[-1] ) <= 76 ), "$name: lines of 76 characters" );
    is_deeply( [ leftovers( $dir, $input, $output ) ], [], "$name: no temporary file left" );
}

# Every failure: non-zero status, one line on standard error, no output.
my @failures = (
    [ 'missing input file' => sub { ( "$_[0]/absent.bin", "$_[0]/out.xml" ) } ],
    [ 'input is a directory' => sub { mkdir "$_[0]/sub"; ( "$_[0]/sub", "$_[0]/out.xml" ) } ],
    [ 'input is a FIFO' => sub { mkfifo( "$_[0]/pipe", 0600 ) or die; ( "$_[0]/pipe", "$_[0]/out.xml" ) } ],
    [ 'input is a device' => sub { ( '/dev/zero', "$_[0]/out.xml" ) } ],
    [ 'output directory missing' => sub { ( "$_[0]/in.bin", "$_[0]/nodir/out.xml" ) } ],
    [ 'output directory is a file' => sub { ( "$_[0]/in.bin", "$_[0]/in.bin/out.xml" ) } ],
    [ 'output is a directory' => sub { mkdir "$_[0]/outdir"; ( "$_[0]/in.bin", "$_[0]/outdir" ) } ],
    [ 'no arguments'         => sub { () } ],
    [ 'one argument'         => sub { ("$_[0]/in.bin") } ],
    [ 'three arguments'      => sub { ( "$_[0]/in.bin", "$_[0]/out.xml", "$_[0]/more.xml" ) } ],
);
push @failures, [
    'output directory read-only' => sub {
        mkdir "$_[0]/ro", 0555;
        ( "$_[0]/in.bin", "$_[0]/ro/out.xml" );
    }
  ]
  if $> != 0;    # root writes anywhere

for my $case (@failures) {
    my ( $name, $arguments ) = @$case;
    my $dir = scratch_dir();
    spew( "$dir/in.bin", "data" );
    my @args = $arguments->("$dir");
    my @before = leftovers( $dir, 'in.bin' );

    my $run = run_script( $ENCODE, @args );
    fails_with_one_line( $run, $name );
    is_deeply( [ leftovers( $dir, 'in.bin' ) ], \@before, "$name: no output file written" );
    ok( !-e "$dir/nodir" && !-e "$dir/ro/out.xml", "$name: nothing created elsewhere" );
}

# A failed run must not leave a half-written file where a good one stood.
{
    my $dir = scratch_dir();
    spew( "$dir/out.xml", "previous" );
    my $run = run_script( $ENCODE, "$dir/absent.bin", "$dir/out.xml" );
    fails_with_one_line( $run, 'failure over an existing output' );
    is( slurp("$dir/out.xml"), 'previous', 'failure over an existing output: it stays as it was' );
}

done_testing();
