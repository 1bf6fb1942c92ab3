#!/usr/bin/perl
# What the editor saves, the scripts read; what the editor's loader refuses,
# they refuse, by the one limits file of the installation.
use strict;
use warnings;
use Test::More;
use FindBin qw($Bin);
use File::Temp qw(tempdir);
use File::Copy qw(copy);
use Digest::MD5;
use lib "$Bin/lib";
use ScriptTest qw(run_script slurp spew);

my $LIB    = "$Bin/../../installation/lib";
my $GEN    = "$LIB/scripts/zyngen.pl";
my $PRINT  = "$LIB/scripts/zynprint.pl";
my $ENCODE = "$LIB/scripts/encode64.pl";

sub limits {
    my ($file) = @_;
    my %limits = slurp($file) =~ /^\s*([\w.]+)\s*=\s*(\d+)/mg;
    return \%limits;
}
my $LIMITS = limits("$LIB/xml-limits.properties");

sub nested {
    my ($depth) = @_;
    return '<ZYN Name="n">' . '<X>' x ( $depth - 1 ) . '</X>' x ( $depth - 1 ) . '</ZYN>';
}

# One entity of SIZE characters referenced COUNT times.
sub expanding {
    my ( $size, $count, $extra ) = @_;
    $extra //= '';
    return qq{<!DOCTYPE ZYN [<!ENTITY e "} . 'e' x $size . qq{">]>\n<ZYN Name="x">}
      . '<X>&e;</X>' x $count . "$extra</ZYN>";
}

sub md5_of {
    my ($path) = @_;
    open my $in, '<:raw', $path or return '';
    return Digest::MD5->new->addfile($in)->hexdigest;
}

# Rows: why, document, accepted?, message when refused.
sub limit_rows {
    my ( $nesting, $expansion ) = @_;
    my ($count) = grep { $expansion % $_ == 0 } reverse 1 .. int sqrt $expansion;
    my $size = $expansion / $count;
    return (
        [ 'nesting at the limit',          nested($nesting),              1 ],
        [ 'nesting one over',              nested( $nesting + 1 ),        0, qr/deeper than $nesting levels/ ],
        [ 'expansion at the bound',        expanding( $size, $count ), 1 ],
        [ 'expansion one over the bound',  expanding( $size, $count, '<Y>&e;</Y>' ), 0, qr/more than $expansion characters/ ],
    );
}

sub check_rows {
    my ( $gen, $print, @rows ) = @_;
    my $base = tempdir( CLEANUP => 1 );
    for my $row (@rows) {
        my ( $why, $doc, $accepted, $message ) = @$row;
        my $path = spew( "$base/t.xdp", $doc );
        for my $run ( [ 'generator', $gen, $base ], [ 'exporter', $print, "$base/t.txt" ] ) {
            my ( $who, $script, $last ) = @$run;
            my $result = run_script( $script, $path, $last );
            if ($accepted) {
                is $result->{status}, 0, "$why: the $who reads it" or diag $result->{err};
            }
            else {
                isnt $result->{status}, 0, "$why: the $who refuses it";
                like $result->{err}, $message, "$why: the $who says why";
            }
        }
    }
}

subtest 'the installation\'s limits' => sub {
    ok $LIMITS->{'xml.maxNesting'} && $LIMITS->{'xml.maxEntityExpansion'}, 'both limits written down';
    check_rows( $GEN, $PRINT, limit_rows( $LIMITS->{'xml.maxNesting'}, $LIMITS->{'xml.maxEntityExpansion'} ),
        [ 'far deeper than the parser goes', nested(5000), 0, qr/deeper than \d+ levels/ ],
        [ 'entities inside markup over the bound',
            qq{<!DOCTYPE ZYN [<!ENTITY a "} . 'a' x 1000 . qq{"><!ENTITY m "<X>&a;&a;</X>">]>\n<ZYN>}
              . '&m;' x 600 . '</ZYN>', 0, qr/more than \d+ characters/ ] );
};

subtest 'limits are read from the installation at every run' => sub {
    my $install = tempdir( CLEANUP => 1 );
    mkdir "$install/lib";
    mkdir "$install/lib/scripts";
    mkdir "$install/lib/scripts/Zyn";
    for my $file ( qw(zyngen.pl zynprint.pl), map { s{.*/scripts/}{}r } glob "$LIB/scripts/Zyn/*.pm" ) {
        copy( "$LIB/scripts/$file", "$install/lib/scripts/$file" ) or die "copy $file: $!";
    }
    spew( "$install/lib/xml-limits.properties", "xml.maxNesting = 6\nxml.maxEntityExpansion = 400\n" );
    check_rows( "$install/lib/scripts/zyngen.pl", "$install/lib/scripts/zynprint.pl", limit_rows( 6, 400 ) );

    spew( "$install/lib/xml-limits.properties", "xml.maxNesting = lots\n" );
    my $base   = tempdir( CLEANUP => 1 );
    my $result = run_script( "$install/lib/scripts/zyngen.pl", spew( "$base/t.xdp", nested(2) ), $base );
    like $result->{err}, qr/XML limits .*xml-limits\.properties" give no whole number for xml\.maxNesting/,
      'a damaged limits file is named';
    unlink "$install/lib/xml-limits.properties";
    $result = run_script( "$install/lib/scripts/zyngen.pl", "$base/t.xdp", $base );
    like $result->{err}, qr/cannot read the XML limits/, 'a missing limits file is named';
    ok !-e "$base/t", 'nothing generated without limits';
};

subtest 'entities within the bound are expanded as the editor expands them' => sub {
    my $base = tempdir( CLEANUP => 1 );
    my $doc  = slurp("$Bin/data/target_c.xdp");
    $doc =~ s{<!DOCTYPE ZYN SYSTEM "zyn.dtd">}{<!DOCTYPE ZYN SYSTEM "zyn.dtd" [<!ENTITY who "Gcc"><!ENTITY cmd "exec &who;">]>};
    $doc =~ s{Name="Gcc Linux"}{Name="&who; Linux"};
    $doc =~ s{<VALUE><!\[CDATA\[#!/bin/sh}{<VALUE>&cmd;<![CDATA[#!/bin/sh};
    my $result = run_script( $GEN, spew( "$base/t.xdp", $doc ), $base );
    is $result->{status}, 0, 'generated' or diag $result->{err};
    like slurp("$base/t/t.ini"), qr/\ANAME="C\+\+ Gcc Linux"/, 'in attributes';
    like slurp("$base/t/run.sh"), qr/\Aexec Gcc#!/, q{in text, nested};
};

subtest 'long texts and large binary files' => sub {
    my $base = tempdir( CLEANUP => 1 );
    my $text = join '', map { "line $_ of a long carried text\n" } 1 .. 400_000;    # ~12 M characters
    my $doc  = slurp("$Bin/data/target_c.xdp");
    $doc =~ s{</BUILD>}{<NEWCMDFILE Name="long.txt"><COMMENT/><VALUE>$text</VALUE></NEWCMDFILE></BUILD>};
    my $result = run_script( $GEN, spew( "$base/t.xdp", $doc ), $base );
    is $result->{status}, 0, 'a text over 10 M characters is read' or diag $result->{err};
    ok slurp("$base/t/long.txt") eq $text, '... and written byte-identical';

    # 100 MB that do not repeat in any short period, made on the fly.
    my $size = 100 * 1024 * 1024;
    open my $out, '>:raw', "$base/big.bin" or die $!;
    my $block = join '', map { pack 'N', $_ * 2654435761 % 4294967291 } 1 .. 262_144;
    for my $i ( 1 .. $size / length $block ) {
        print {$out} substr( $block, $i % 1024 ) . substr( $block, 0, $i % 1024 );
    }
    close $out;
    my $encoded = run_script( $ENCODE, "$base/big.bin", "$base/big.xml" );
    is $encoded->{status}, 0, 'encoded' or diag $encoded->{err};

    # The document as the editor saves it: the encoder's element inside NEWBINFILE.
    open my $doc_out, '>:raw', "$base/big.xdp" or die $!;
    my ( $head, $tail ) = split /<\/BUILD>/, slurp("$Bin/data/target_c.xdp");
    print {$doc_out} $head, qq{<NEWBINFILE Name="big.bin"><COMMENT/>};
    open my $in, '<:raw', "$base/big.xml" or die $!;
    <$in>;    # the XML declaration
    while ( read $in, my $chunk, 1 << 20 ) { print {$doc_out} $chunk }
    close $in;
    unlink "$base/big.xml";
    print {$doc_out} "</NEWBINFILE></BUILD>$tail";
    close $doc_out;

    $result = run_script( $GEN, "$base/big.xdp", $base );
    is $result->{status}, 0, 'a 100 MB binary file is generated' or diag $result->{err};
    is -s "$base/big/big.bin", $size, '... at its size';
    is md5_of("$base/big/big.bin"), md5_of("$base/big.bin"), '... byte-identical';
    $result = run_script( $PRINT, "$base/big.xdp", "$base/big.txt" );
    is $result->{status}, 0, 'and exported' or diag $result->{err};
    like slurp("$base/big.txt"), qr/big\.bin \[binary file, $size bytes\]/, '... with its size';
};

done_testing;
